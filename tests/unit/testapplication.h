#pragma once

#include <QApplication>

// One application object per process, on the offscreen platform: whichever test needs it
// first makes it. It lives until the process ends and is never destroyed: destroyed among the
// static objects at exit, it would tear down the browser engine after the engine's own
// libraries had begun to go.
inline void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "zerval-tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
}
