#include "platform/application.h"

#include "platform/cachedframestyle.h"
#include "platform/platform.h"

namespace zerval {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("zerval"));
    // No application display name: the desktop would append it to every window title, and
    // the windows carry exactly their own captions.
    setStyle(new CachedFrameStyle);
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
