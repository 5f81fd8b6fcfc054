#include "converters/electric/cables.h"
#include "platform/scriptedplatform.h"

#include "testapplication.h"

#include <QApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace zerval {
namespace {

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
