#include "platform/desktopplatform.h"

#include "platform/browserengine.h"
#include "platform/browsermodule.h"
#include "platform/keystrokes.h"
#include "platform/privatefolder.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <unistd.h>

namespace zerval {

QChar DesktopPlatform::decimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

void DesktopPlatform::messageBox(QWidget* owner, const QString& caption, MessageIcon icon,
                                 const QString& text) {
    static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                              QMessageBox::Warning, QMessageBox::Critical,
                                              QMessageBox::Question};
    QMessageBox box(icons[int(icon)], caption, text, QMessageBox::Ok, owner);
    box.exec();
}

void DesktopPlatform::showModal(QDialog* window) {
    QPointer<QDialog> guard(window);
    window->exec();
    delete guard.data();
}

void DesktopPlatform::queueKeystroke(QChar character) {
    deliverKeystrokeLater([] { return QApplication::focusWidget(); }, character);
}

void DesktopPlatform::queueKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    deliverKeyLater([] { return QApplication::focusWidget(); }, qtKey, modifiers, QString());
}

void DesktopPlatform::pause(int milliseconds) {
    QThread::msleep(unsigned(milliseconds));
}

void DesktopPlatform::beep() {
    QApplication::beep();
}

void DesktopPlatform::openExternal(const QString& target) {
    const QFileInfo file(target);
    if (file.isExecutable() && file.isFile()) {
        QProcess::startDetached(target, {});
        return;
    }
    const QUrl url = QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
}

QString DesktopPlatform::findCalculator() {
    static const char* const programs[] = {
        "gnome-calculator", "kcalc",      "mate-calc", "qalculate-gtk",
        "qalculate-qt",     "galculator", "xcalc",     "calc.exe"};
    for (const char* program : programs) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!found.isEmpty()) return found;
    }
    return QString();
}

bool DesktopPlatform::restoreWindow(const QString& title) {
    // X11 desktops let another program raise a window through wmctrl, where it is installed.
    const QString wmctrl = QStandardPaths::findExecutable(QStringLiteral("wmctrl"));
    if (wmctrl.isEmpty()) return false;
    QProcess list;
    list.start(wmctrl, {QStringLiteral("-l")});
    if (!list.waitForFinished(2000)) return false;
    const QStringList lines = QString::fromLocal8Bit(list.readAllStandardOutput()).split('\n');
    for (const QString& line : lines) {
        const QString windowTitle = line.section(QLatin1Char(' '), 4).trimmed();
        if (windowTitle == title)
            return QProcess::execute(wmctrl, {QStringLiteral("-F"), QStringLiteral("-a"), title}) ==
                   0;
    }
    return false;
}

QString DesktopPlatform::tempFolder() {
    if (tempFolder_.isEmpty()) tempFolder_ = privateTempFolder();
    return tempFolder_;
}

QString DesktopPlatform::environment(const QString& name) {
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

qint64 DesktopPlatform::currentTime() {
    return QDateTime::currentSecsSinceEpoch();
}

QString DesktopPlatform::clipboardText() {
    return QApplication::clipboard()->text();
}

void DesktopPlatform::setClipboardText(const QString& text) {
    QApplication::clipboard()->setText(text);
}

QString DesktopPlatform::savePictureFile(QWidget* owner, const QString& suggestedName) {
    return QFileDialog::getSaveFileName(owner, QStringLiteral("Guardar imagen"), suggestedName,
                                        QStringLiteral("Mapa de bits (*.bmp);;Imagen PNG (*.png)"));
}

std::unique_ptr<BrowserControl> DesktopPlatform::createBrowser(QWidget* parent) {
    if (!browserEngine_) {
        // The browser engine refuses to start its sandbox for root and would end the program;
        // run by root, it runs without one.
        if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        QString error;
        browserEngine_ = loadBrowserEngine(browserModuleFolders(), &error);
        if (!browserEngine_) {
            messageBox(parent ? parent->window() : nullptr, QStringLiteral("Error"),
                       MessageIcon::Error,
                       QStringLiteral("No se pudo cargar el navegador integrado.\n") + error);
            return nullptr;
        }
    }
    return browserEngine_->createBrowser(parent);
}

} // namespace zerval
