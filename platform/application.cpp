#include "platform/application.h"

#include "platform/platform.h"

namespace zerval {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("zerval"));
    setApplicationDisplayName(applicationTitle());
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        platform().reportError(std::current_exception());
        return false;
    }
}

} // namespace zerval
