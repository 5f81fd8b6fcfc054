#pragma once

#include "platform/platform.h"

namespace zerval {

class BrowserEngine;

// The platform of the real desktop: Qt's message boxes, dialogs, clipboard and shell.
class DesktopPlatform : public Platform {
public:
    QChar decimalSeparator() override;
    void messageBox(QWidget* owner, const QString& caption, MessageIcon icon,
                    const QString& text) override;
    void showModal(QDialog* window) override;
    void queueKeystroke(QChar character) override;
    void queueKey(int qtKey, Qt::KeyboardModifiers modifiers) override;
    void pause(int milliseconds) override;
    void beep() override;
    void openExternal(const QString& target) override;
    QString findCalculator() override;
    bool restoreWindow(const QString& title) override;
    QString tempFolder() override;
    QString environment(const QString& name) override;
    qint64 currentTime() override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    QString savePictureFile(QWidget* owner, const QString& suggestedName) override;
    std::unique_ptr<BrowserControl> createBrowser(QWidget* parent) override;

private:
    QString tempFolder_;
    BrowserEngine* browserEngine_ = nullptr;
};

} // namespace zerval
