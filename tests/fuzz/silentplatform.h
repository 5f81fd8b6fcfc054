#pragma once

#include "platform/browsercontrol.h"
#include "platform/platform.h"

// A platform that shows nothing, for the kit's operations that may show a message.
class SilentPlatform : public zerval::Platform {
public:
    QChar decimalSeparator() override { return QLatin1Char('.'); }
    void messageBox(QWidget*, const QString&, zerval::MessageIcon, const QString&) override {}
    void showModal(QDialog*) override {}
    void queueKeystroke(QChar) override {}
    void queueKey(int, Qt::KeyboardModifiers) override {}
    void pause(int) override {}
    void beep() override {}
    void openExternal(const QString&) override {}
    QString findCalculator() override { return QString(); }
    bool restoreWindow(const QString&) override { return false; }
    QString tempFolder() override { return QString(); }
    QString environment(const QString&) override { return QString(); }
    qint64 currentTime() override { return 0; }
    QString clipboardText() override { return QString(); }
    void setClipboardText(const QString&) override {}
    QString savePictureFile(QWidget*, const QString&) override { return QString(); }
    std::unique_ptr<zerval::BrowserControl> createBrowser(QWidget*) override { return nullptr; }
};

inline void installSilentPlatform() {
    static const bool installed = [] {
        zerval::installPlatform(std::make_unique<SilentPlatform>());
        return true;
    }();
    (void)installed;
}
