#include "converters/geometry/trigonometric.h"
#include "platform/scriptedplatform.h"

#include "testapplication.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace zerval {
namespace {

// Runs the event loop for a while, as the user holding the button would let it run; stops
// early once `done` holds.
template <typename Done> void runFor(int milliseconds, Done done) {
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired() && !done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}
void runFor(int milliseconds) {
    runFor(milliseconds, [] { return false; });
}

// The button's own press and release, as a mouse or the space bar gives them. (Synthetic
// mouse events would leave a pointing device behind for the exit to trip over.)
void press(QPushButton* button) {
    emit button->pressed();
}
void release(QPushButton* button) {
    emit button->released();
}

// Holding "Animar" turns the angle a degree every 20 ms from a timer, with the window alive
// in between; letting go, hiding or closing the window stops it.
class TrigonometricAnimation : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        installPlatform(std::make_unique<ScriptedPlatform>());
        window = std::make_unique<TForm_Trigonometricas>(nullptr);
        window->show();
        button = window->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        degrees = window->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        ASSERT_TRUE(button && degrees);
    }
    void TearDown() override {
        window.reset();
        installPlatform(nullptr);
    }
    int shownDegrees() const { return degrees->text().toInt(); }

    std::unique_ptr<TForm_Trigonometricas> window;
    QPushButton* button = nullptr;
    QLineEdit* degrees = nullptr;
};

TEST_F(TrigonometricAnimation, HeldItStepsUntilReleased) {
    press(button);
    EXPECT_EQ(shownDegrees(), 1); // the first degree comes with the press
    runFor(5000, [&] { return shownDegrees() >= 3; });
    EXPECT_GE(shownDegrees(), 3);
    release(button);
    const int released = shownDegrees();
    runFor(100);
    EXPECT_EQ(shownDegrees(), released);
}

TEST_F(TrigonometricAnimation, HidingOrClosingStopsIt) {
    press(button);
    runFor(60);
    window->hide();
    const int hidden = shownDegrees();
    runFor(100);
    EXPECT_EQ(shownDegrees(), hidden);

    window->show();
    press(button);
    runFor(60);
    window->close();
    const int closed = shownDegrees();
    runFor(100);
    EXPECT_EQ(shownDegrees(), closed);
}

} // namespace
} // namespace zerval
