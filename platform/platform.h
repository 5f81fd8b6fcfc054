#pragma once

#include <QString>
#include <QStringList>

#include <exception>
#include <memory>

class QDialog;
class QWidget;

namespace zerval {

class BrowserControl;

enum class MessageIcon { None, Information, Warning, Error, Question };

// The services of the desktop that the windows ask for. Windows never call Qt for these
// directly: the desktop build shows real boxes and starts real programs, the scripted build
// used by zerval-play records what would have been shown.
class Platform {
public:
    virtual ~Platform() = default;

    // The separator of the user's locale, read afresh at every call.
    virtual QChar decimalSeparator() = 0;

    // A message box with OK only. A null owner means a box without owner window.
    virtual void messageBox(QWidget* owner, const QString& caption, MessageIcon icon,
                            const QString& text) = 0;

    // Shows the window modally. The platform owns the window from then on and destroys it
    // when it is closed; the desktop returns after that, the scripted platform at once.
    virtual void showModal(QDialog* window) = 0;

    // Queues one keystroke for the widget that has the input focus when it is delivered,
    // after the running handler has returned.
    virtual void queueKeystroke(QChar character) = 0;
    // The same for a key that types no character, such as Shift+Home or Backspace.
    virtual void queueKey(int qtKey, Qt::KeyboardModifiers modifiers) = 0;
    virtual void pause(int milliseconds) = 0;
    virtual void beep() = 0;

    // Hands a file, a web or mail address or a program to the desktop shell.
    virtual void openExternal(const QString& target) = 0;

    // The desktop calculator program, or an empty text when there is none.
    virtual QString findCalculator() = 0;
    // Brings back another program's top-level window with this title; false when none.
    virtual bool restoreWindow(const QString& title) = 0;

    // This user's private temporary folder (mode 0700), with a trailing slash.
    virtual QString tempFolder() = 0;
    virtual QString environment(const QString& name) = 0;
    // Seconds since 1970.
    virtual qint64 currentTime() = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;

    // The file chosen in a save-picture dialog; empty when cancelled.
    virtual QString savePictureFile(QWidget* owner, const QString& suggestedName) = 0;

    // The embedded browser, or null when it cannot be made here (the platform has then told
    // the user why); the window stays usable without it.
    virtual std::unique_ptr<BrowserControl> createBrowser(QWidget* parent) = 0;

    // The application's top-level error report: shows what no handler caught.
    void reportError(std::exception_ptr error);
    // A plain message: the application title as caption, no icon.
    void plainMessage(const QString& text);
};

Platform& platform();
void installPlatform(std::unique_ptr<Platform> platform);

// The application title, which also captions every plain message.
QString applicationTitle();

// Runs a handler that was entered from Qt's event machinery, so that no exception ever
// unwinds through the event loop: whatever escapes is shown by the top-level report.
template <typename Handler> void guarded(Handler&& handler) {
    try {
        handler();
    } catch (...) {
        platform().reportError(std::current_exception());
    }
}

} // namespace zerval
