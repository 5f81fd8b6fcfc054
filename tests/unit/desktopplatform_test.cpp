#include "converters/physical/velocity.h"
#include "platform/browserengine.h"
#include "platform/browsermodule.h"
#include "platform/desktopplatform.h"
#include "testapplication.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QUrl>
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
#if defined(__SANITIZE_ADDRESS__)
    // The browser engine's own code frees with a size that differs from its allocation, which
    // the address sanitizer stops at; the normal build runs this test.
    GTEST_SKIP() << "the browser engine is not built for the address sanitizer";
#endif
    ensureApplication();
    zerval::DesktopPlatform desktop;
    QWidget page;
    std::unique_ptr<zerval::BrowserControl> browser = desktop.createBrowser(&page);
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->widget()->parentWidget(), &page);

    // It shows a page: the title of a local file arrives in the browser's title.
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("prueba.html")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><head><meta charset=\"utf-8\"><title>P\xc3\xa1gina de "
               "prueba</title></head><body>1 m = 100 cm</body></html>");
    file.close();
    browser->navigate(QUrl::fromLocalFile(file.fileName()).toString());
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() &&
           browser->widget()->property("title").toString() != QStringLiteral("Página de prueba"))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(browser->widget()->property("title").toString().toStdString(), "Página de prueba");
}

} // namespace

namespace {

void typeInto(QWidget& field, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&field, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&field, &release);
    }
}

// On the desktop the separator comes from the user's locale at each key: a Spanish user types
// "1,5" and reads commas in every result, a C-locale user the same with points.
TEST(DesktopPlatform, AConverterFollowsTheUserLocale) {
    ensureApplication();
    zerval::installPlatform(std::make_unique<zerval::DesktopPlatform>());
    const bool comma = spanishRun();
    {
        zerval::TFormVel window(nullptr);
        window.show();
        auto* kilometresPerHour = window.findChild<QWidget*>(QStringLiteral("Edit1"));
        ASSERT_NE(kilometresPerHour, nullptr);
        kilometresPerHour->setFocus();
        typeInto(*kilometresPerHour, comma ? QStringLiteral("1,5") : QStringLiteral("1.5"));
        auto* metresPerSecond = window.findChild<QLineEdit*>(QStringLiteral("Edit3"));
        ASSERT_NE(metresPerSecond, nullptr);
        EXPECT_EQ(metresPerSecond->text().toStdString(), comma ? "0,416667" : "0.416667");
    }
    zerval::installPlatform(nullptr);
}

} // namespace
