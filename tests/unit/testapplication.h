#pragma once

#include <QApplication>

// One application object per process, on the offscreen platform: whichever test needs it
// first makes it.
inline void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "zerval-tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
}
