#pragma once

#include "platform/platform.h"

#include <QList>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace zerval {

struct RecordedMessage {
    QString caption;
    MessageIcon icon;
    QString text;
};

// The platform of zerval-play and the tests: it shows nothing and starts nothing, but records
// what the program asked for and answers as the script has set.
class ScriptedPlatform : public Platform {
public:
    ScriptedPlatform();

    QChar decimalSeparator() override { return separator; }
    void messageBox(QWidget* owner, const QString& caption, MessageIcon icon,
                    const QString& text) override;
    void showModal(QDialog* window) override;
    void queueKeystroke(QChar character) override;
    void queueKey(int qtKey, Qt::KeyboardModifiers modifiers) override;
    void pause(int) override {}
    void beep() override { ++beeps; }
    void openExternal(const QString& target) override { opened.append(target); }
    QString findCalculator() override { return calculator; }
    bool restoreWindow(const QString& title) override;
    QString tempFolder() override;
    QString environment(const QString& name) override;
    qint64 currentTime() override { return clock; }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    QString savePictureFile(QWidget* owner, const QString& suggestedName) override;
    std::unique_ptr<BrowserControl> createBrowser(QWidget* parent) override;

    // The window the script acts on: the newest modal window still open, else the main one.
    QWidget* currentWindow() const;
    // The control of the current window that keys are delivered to.
    QWidget* focusedControl() const;
    void setMainWindow(QWidget* window) { mainWindow_ = window; }
    QWidget* mainWindow() const { return mainWindow_; }

    // The browser control whose widget lies in this window, so that a script can follow a
    // link inside its page; null when the window has none.
    BrowserControl* browserIn(const QWidget* window) const;
    void forgetBrowser(BrowserControl* browser) { browsers_.removeAll(browser); }

    // What the script sets.
    QChar separator = QLatin1Char('.');
    qint64 clock = 0;
    QString calculator;
    QStringList desktopWindows;
    QString clipboard;
    QStringList saveAnswers; // "cancel" cancels

    // What the program did.
    QList<RecordedMessage> messages;
    QStringList opened;
    QStringList browsed;
    int beeps = 0;

private:
    QPointer<QWidget> mainWindow_;
    QList<QPointer<QWidget>> modalWindows_;
    std::unique_ptr<QTemporaryDir> tempDir_;
    QList<BrowserControl*> browsers_;
};

ScriptedPlatform& scriptedPlatform();

} // namespace zerval
