#include "converters/currency/currencybrowser.h"
#include "converters/currency/currencypages.h"
#include "platform/browsercontrol.h"
#include "scriptedplatformtest.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace zerval {
namespace {

void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "zerval-tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv); // for the rest of the run
}

TEST(CurrencyPages, TheListAndWhatEachEntryLoads) {
    const QStringList captions = currencyPageCaptions();
    ASSERT_EQ(captions.size(), 6);
    EXPECT_EQ(captions[0], QStringLiteral("Conversor de divisas \"on-line\""));
    EXPECT_EQ(captions[1], QStringLiteral("Este programa"));
    EXPECT_EQ(captions[5], QStringLiteral("bing"));
    for (int index = 0; index < 5; ++index)
        EXPECT_TRUE(currencyPageTarget(index, QStringLiteral("ana")).startsWith("https://"))
            << index;
    EXPECT_EQ(currencyPageTarget(5, QStringLiteral("ana")), QStringLiteral("ana en bing"));
    EXPECT_EQ(currencyPageTarget(5, QString()), QStringLiteral(" en bing"));
    EXPECT_EQ(currencyPageTarget(-1, QString()), QString());
    EXPECT_EQ(currencyPageTarget(6, QString()), QString());
}

TEST(CurrencyPages, AddressesUpTo250CharactersLoad) {
    EXPECT_TRUE(isAllowedAddress(QString()));
    EXPECT_TRUE(isAllowedAddress(QString(250, QLatin1Char('a'))));
    EXPECT_FALSE(isAllowedAddress(QString(251, QLatin1Char('a'))));
}

class CurrencyWindowTest : public ScriptedPlatformTest {
protected:
    void SetUp() override {
        ensureApplication();
        ScriptedPlatformTest::SetUp();
    }
    static int navigations(const QStringList& calls) {
        int count = 0;
        for (const QString& call : calls)
            if (call.startsWith(QStringLiteral("NAVIGATE "))) ++count;
        return count;
    }
};

// Back in the window after a message or a dialog of the program, the currency page is loaded
// again and the list goes back to its first entry; coming back from another program is not.
TEST_F(CurrencyWindowTest, ReloadsWhenActivatedAgainAfterAnotherOfTheProgramsWindows) {
    TFormBrowser window(nullptr);
    window.show();
    ASSERT_EQ(navigations(platform->browsed), 1);
    auto* list = window.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    list->setCurrentIndex(3);
    emit list->activated(3);
    ASSERT_EQ(navigations(platform->browsed), 2);

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&window);
    QApplication::setActiveWindow(nullptr); // another program took the focus
    QApplication::setActiveWindow(&window);
    EXPECT_EQ(navigations(platform->browsed), 2);
    EXPECT_EQ(list->currentIndex(), 3);

    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(&window);
    EXPECT_EQ(navigations(platform->browsed), 3);
    EXPECT_EQ(platform->browsed.last(),
              QStringLiteral("NAVIGATE https://www.example.org/divisas/ 20"));
    EXPECT_EQ(list->currentIndex(), 0);
}

class NoBrowserPlatform : public ScriptedPlatform {
public:
    std::unique_ptr<BrowserControl> createBrowser(QWidget*) override { return nullptr; }
};

TEST(CurrencyWindow, StaysUsableWhereThereIsNoBrowser) {
    ensureApplication();
    installPlatform(std::make_unique<NoBrowserPlatform>());
    {
        TFormBrowser window(nullptr);
        window.show();
        for (QToolButton* button : window.findChildren<QToolButton*>())
            button->click();
        auto* list = window.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        list->setCurrentIndex(5);
        emit list->activated(5);
        EXPECT_NE(window.findChild<QLabel*>(QStringLiteral("LabelSinNavegador")), nullptr);
        EXPECT_TRUE(scriptedPlatform().messages.isEmpty());
        window.close();
    }
    installPlatform(nullptr);
}

} // namespace
} // namespace zerval
