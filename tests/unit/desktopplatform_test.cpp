#include "platform/browserengine.h"
#include "platform/browsermodule.h"
#include "platform/desktopplatform.h"
#include "testapplication.h"

#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

bool spanishRun() {
    const char* wanted = std::getenv("LC_ALL");
    return wanted != nullptr && std::strncmp(wanted, "es_ES", 5) == 0;
}

// The desktop reads the separator from the user's locale, as the windows see it at each key.
TEST(DesktopPlatform, DecimalSeparatorIsTheUserLocales) {
    zerval::DesktopPlatform desktop;
    EXPECT_EQ(desktop.decimalSeparator(), spanishRun() ? QChar(u',') : QChar(u'.'));
}

TEST(BrowserModule, AMissingModuleIsSaidNotFatal) {
    QTemporaryDir empty;
    QString error;
    EXPECT_EQ(zerval::loadBrowserEngine({empty.path()}, &error), nullptr);
    EXPECT_TRUE(error.contains(zerval::browserModuleName())) << error.toStdString();
}

TEST(BrowserModule, AFileThatIsNoModuleIsRefused) {
    QTemporaryDir folder;
    QFile fake(folder.filePath(zerval::browserModuleName()));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("not a library");
    fake.close();
    QString error;
    EXPECT_EQ(zerval::loadBrowserEngine({folder.path()}, &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
}

TEST(BrowserModule, TheBuiltModuleLoadsOnDemand) {
    QString error;
    zerval::BrowserEngine* engine =
        zerval::loadBrowserEngine({QStringLiteral(ZERVAL_BUILD_FOLDER)}, &error);
    EXPECT_NE(engine, nullptr) << error.toStdString();
}

} // namespace

namespace {

// The desktop makes its browser from the module the first time a window asks for one.
TEST(BrowserModule, TheDesktopMakesABrowserFromTheModule) {
    ensureApplication();
    zerval::DesktopPlatform desktop;
    QWidget page;
    std::unique_ptr<zerval::BrowserControl> browser = desktop.createBrowser(&page);
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->widget()->parentWidget(), &page);
}

} // namespace
