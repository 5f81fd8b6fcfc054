// A label clicked as a button is: left button pressed on it and released over it. A button
// or label bound through bindGuarded reports its handler's error once and lets nothing
// unwind into Qt's event loop.
#include "platform/clickablelabel.h"
#include "platform/guardedbinding.h"
#include "testapplication.h"
#include "tests/unit/scriptedplatformtest.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace zerval {
namespace {

class ClickableLabelTest : public ScriptedPlatformTest {
protected:
    void SetUp() override {
        ensureApplication();
        ScriptedPlatformTest::SetUp();
        window = std::make_unique<QDialog>();
        label = new ClickableLabel(window.get());
        label->setGeometry(0, 0, 100, 20);
        QObject::connect(label, &ClickableLabel::clicked, [this] { ++clicks; });
    }

    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
        QMouseEvent event(type, QPointF(at), QPointF(at), QPointF(label->mapToGlobal(at)), button,
                          held, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &event);
    }

    std::unique_ptr<QDialog> window;
    ClickableLabel* label = nullptr;
    int clicks = 0;
};

// A label that answers the press itself (a title that opens a menu) takes a press of any
// button, and the double click's second press too.
TEST_F(ClickableLabelTest, PressedComesForEveryButtonOnceListenedTo) {
    int presses = 0;
    QObject::connect(label, &ClickableLabel::pressed, [&] { ++presses; });
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        const Qt::MouseButtons held = button;
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                          QPointF(label->mapToGlobal(QPoint(5, 5))), button, held, Qt::NoModifier);
        press.ignore();
        QCoreApplication::sendEvent(label, &press);
        EXPECT_TRUE(press.isAccepted()) << int(button);
    }
    mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, {5, 5});
    EXPECT_EQ(presses, 4);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ClickableLabelTest, ClicksOnLeftReleaseOverTheLabel) {
    struct Case {
        const char* what;
        Qt::MouseButton button;
        bool press;
        QPoint releasedAt;
        int clicks;
    };
    const Case cases[] = {
        {"left press and release inside", Qt::LeftButton, true, {50, 10}, 1},
        {"dragged off and released outside", Qt::LeftButton, true, {150, 10}, 0},
        {"released on the very edge", Qt::LeftButton, true, {99, 19}, 1},
        {"right button", Qt::RightButton, true, {50, 10}, 0},
        {"a release with no press on the label", Qt::LeftButton, false, {50, 10}, 0},
    };
    for (const Case& c : cases) {
        clicks = 0;
        if (c.press) mouse(QEvent::MouseButtonPress, c.button, {50, 10});
        mouse(QEvent::MouseButtonRelease, c.button, c.releasedAt);
        EXPECT_EQ(clicks, c.clicks) << c.what;
    }
}

TEST_F(ClickableLabelTest, GuardedHandlersReportTheirErrorsOnce) {
    auto* button = new QPushButton(window.get());
    int runs = 0;
    bindGuarded(button, window.get(), [&] {
        ++runs;
        throw std::runtime_error("Fallo del botón");
    });
    bindGuarded(label, window.get(), [] { throw std::runtime_error("Fallo de la etiqueta"); });

    button->click();
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});

    EXPECT_EQ(runs, 1);
    ASSERT_EQ(platform->messages.size(), 2);
    EXPECT_EQ(platform->messages[0].text, QStringLiteral("Fallo del botón"));
    EXPECT_EQ(platform->messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(platform->messages[1].text, QStringLiteral("Fallo de la etiqueta"));
}

} // namespace
} // namespace zerval
