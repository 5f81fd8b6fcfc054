#include "converters/electric/cables.h"
#include "platform/scriptedplatform.h"

#include <QApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace zerval {
namespace {

// One application object per process: another test may have made it already.
void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "zerval-tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
}

TEST(WindowPlacement, GaugeTableOpensAtTheTopOfTheScreen) {
    ensureApplication();
    installPlatform(std::make_unique<ScriptedPlatform>());
    TFormCables window(nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window.y(), screen.top());
    EXPECT_NEAR(window.x() + window.width() / 2, screen.center().x(), 2);
    installPlatform(nullptr);
}

} // namespace
} // namespace zerval
