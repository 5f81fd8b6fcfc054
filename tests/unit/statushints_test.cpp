#include "converters/lengths/feetinches.h"
#include "converters/lengths/inchfraction.h"
#include "platform/scriptedplatform.h"
#include "testapplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

#include <gtest/gtest.h>

namespace zerval {
namespace {

void pointerOver(QWidget* control, bool entering) {
    QEvent event(entering ? QEvent::Enter : QEvent::Leave);
    QApplication::sendEvent(control, &event);
}

// The pointer over a button shows its hint in the first panel of the status bar, and leaving
// the button clears it; the precision panel stays.
template <typename Window> void expectHints(const char* button, const QString& hint) {
    ensureApplication();
    installPlatform(std::make_unique<ScriptedPlatform>());
    Window window(nullptr);
    auto* bar = window.template findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    auto* control = window.template findChild<QAbstractButton*>(QString::fromLatin1(button));
    ASSERT_TRUE(bar && control);
    pointerOver(control, true);
    EXPECT_EQ(bar->currentMessage(), hint);
    pointerOver(control, false);
    EXPECT_EQ(bar->currentMessage(), QString());
}

TEST(StatusHints, InchWindowShowsHintsBesideThePrecision) {
    expectHints<TForm1>("BitBtn1", QStringLiteral("Convertir a mm"));
    expectHints<TForm1>("SpeedButton2", QStringLiteral("Medida siguiente"));
    ensureApplication();
    TForm1 window(nullptr);
    auto* panel = window.findChild<QLabel*>(QStringLiteral("StatusBar1Panel1"));
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->text(), QStringLiteral("Precisión actual: 1/64"));
}

TEST(StatusHints, FeetWindowShowsHints) {
    expectHints<TFormPie>("BitBtn2", QStringLiteral("Convertir a pies"));
    expectHints<TFormPie>("SpeedButton1", QStringLiteral("Medida anterior"));
}

} // namespace
} // namespace zerval
