#include "platform/platform.h"

#include <QCoreApplication>

#include <stdexcept>

namespace zerval {

namespace {
std::unique_ptr<Platform>& installed() {
    static std::unique_ptr<Platform> instance;
    return instance;
}
} // namespace

Platform& platform() {
    Platform* instance = installed().get();
    if (!instance) throw std::logic_error("no platform installed");
    return *instance;
}

void installPlatform(std::unique_ptr<Platform> platform) {
    installed() = std::move(platform);
}

QString applicationTitle() {
    return QStringLiteral("zerval - conversor de unidades");
}

void Platform::plainMessage(const QString& text) {
    messageBox(nullptr, applicationTitle(), MessageIcon::None, text);
}

void Platform::reportError(std::exception_ptr error) {
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& known) {
        text = QString::fromUtf8(known.what());
    } catch (...) {
        // An error of a kind the report does not know is shown with an empty message.
    }
    try {
        messageBox(nullptr, applicationTitle(), MessageIcon::Error, text);
    } catch (...) {
    }
}

} // namespace zerval
