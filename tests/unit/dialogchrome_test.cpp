#include "app/windowcatalog.h"
#include "platform/scriptedplatform.h"
#include "testapplication.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>

namespace zerval {
namespace {

// A linked-field window opens centred, at its designed size, which it keeps.
TEST(DialogChrome, LinkedFieldWindowOpensCentredAtAFixedSize) {
    ensureApplication();
    installPlatform(std::make_unique<ScriptedPlatform>());
    for (const char* name : {"TFormVel", "TFormEnergia"}) {
        const std::unique_ptr<QDialog> window(createWindow(QString::fromLatin1(name), nullptr));
        const QSize designed = window->size();
        window->show();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_NEAR(window->frameGeometry().center().x(), screen.center().x(), 2) << name;
        EXPECT_NEAR(window->frameGeometry().center().y(), screen.center().y(), 2) << name;
        EXPECT_EQ(window->minimumSize(), designed) << name;
        EXPECT_EQ(window->maximumSize(), designed) << name;
        EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint) << name;
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint) << name;
        window->hide();
    }
    installPlatform(nullptr);
}

} // namespace
} // namespace zerval
