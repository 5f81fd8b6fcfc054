#include "platform/scriptedplatform.h"

#include "platform/browsercontrol.h"
#include "platform/keystrokes.h"
#include "platform/privatefolder.h"

#include <QDialog>
#include <QLabel>

namespace zerval {

namespace {

// Records the browser calls instead of loading pages.
class RecordingBrowser : public BrowserControl {
public:
    RecordingBrowser(ScriptedPlatform& owner, QWidget* parent)
        : owner_(owner)
        , log_(owner.browsed)
        , view_(new QLabel(parent)) {}
    ~RecordingBrowser() override { owner_.forgetBrowser(this); }
    QWidget* widget() override { return view_; }
    void navigate(const QString& address, int flags = 0) override {
        if (beforeNavigate && !beforeNavigate(address)) {
            log_.append(QStringLiteral("CANCEL ") + address);
            return;
        }
        log_.append(QStringLiteral("NAVIGATE ") + address + QLatin1Char(' ') +
                    QString::number(flags));
        if (view_) view_->setText(address);
    }
    void back() override { log_.append(QStringLiteral("BACK")); }
    void forward() override { log_.append(QStringLiteral("FORWARD")); }
    void refresh() override { log_.append(QStringLiteral("REFRESH")); }
    void saveAs() override { log_.append(QStringLiteral("SAVEAS")); }
    void print() override { log_.append(QStringLiteral("PRINT")); }

private:
    ScriptedPlatform& owner_;
    QStringList& log_;
    QPointer<QLabel> view_;
};

} // namespace

ScriptedPlatform::ScriptedPlatform() = default;

ScriptedPlatform& scriptedPlatform() {
    return dynamic_cast<ScriptedPlatform&>(platform());
}

void ScriptedPlatform::messageBox(QWidget*, const QString& caption, MessageIcon icon,
                                  const QString& text) {
    messages.append({caption, icon, text});
}

void ScriptedPlatform::showModal(QDialog* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setModal(true);
    window->show();
    modalWindows_.append(window);
}

QWidget* ScriptedPlatform::currentWindow() const {
    for (qsizetype i = modalWindows_.size() - 1; i >= 0; --i)
        if (modalWindows_[i] && modalWindows_[i]->isVisible()) return modalWindows_[i];
    return mainWindow_;
}

QWidget* ScriptedPlatform::focusedControl() const {
    QWidget* window = currentWindow();
    return window ? window->focusWidget() : nullptr;
}

void ScriptedPlatform::queueKeystroke(QChar character) {
    deliverKeystrokeLater([this] { return focusedControl(); }, character);
}

void ScriptedPlatform::queueKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    deliverKeyLater([this] { return focusedControl(); }, qtKey, modifiers, QString());
}

bool ScriptedPlatform::restoreWindow(const QString& title) {
    if (!desktopWindows.contains(title)) return false;
    opened.append(QStringLiteral("RESTORE ") + title);
    return true;
}

QString ScriptedPlatform::tempFolder() {
    if (!tempDir_) {
        const QString base = privateTempFolder();
        tempDir_ = std::make_unique<QTemporaryDir>(base + QStringLiteral("play-XXXXXX"));
    }
    return tempDir_->isValid() ? tempDir_->path() + QLatin1Char('/') : QString();
}

QString ScriptedPlatform::environment(const QString& name) {
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

QString ScriptedPlatform::savePictureFile(QWidget*, const QString&) {
    if (saveAnswers.isEmpty()) return QString();
    const QString answer = saveAnswers.takeFirst();
    return answer == QStringLiteral("cancel") ? QString() : answer;
}

std::unique_ptr<BrowserControl> ScriptedPlatform::createBrowser(QWidget* parent) {
    auto browser = std::make_unique<RecordingBrowser>(*this, parent);
    browsers_.append(browser.get());
    return browser;
}

BrowserControl* ScriptedPlatform::browserIn(const QWidget* window) const {
    for (BrowserControl* browser : browsers_)
        if (QWidget* view = browser->widget(); view && view->window() == window) return browser;
    return nullptr;
}

} // namespace zerval
