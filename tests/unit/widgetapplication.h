#pragma once

#include <QApplication>

// The one application object of the test program, for tests that create widgets. Made on the
// offscreen platform the first time a test asks for it.
inline QApplication& widgetApplication() {
    static int argc = 1;
    static char name[] = "zerval-tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}
