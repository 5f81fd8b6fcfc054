// The message boxes of the surface, density, weight and torque windows carry the icons they
// were designed with, and the torque window stands where it was designed; the window scripts
// check every caption and text.
#include "converters/physical/density.h"
#include "converters/physical/force.h"
#include "converters/physical/surface.h"
#include "converters/physical/torque.h"
#include "platform/editbox.h"
#include "testapplication.h"
#include "tests/unit/scriptedplatformtest.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace zerval {
namespace {

class WindowBoxes : public ScriptedPlatformTest {
protected:
    void SetUp() override {
        ensureApplication();
        ScriptedPlatformTest::SetUp();
    }

    // Pastes `text` into the field as the context menu would: focus, then no key.
    void paste(QDialog& window, int number, const QString& text) {
        auto* box = window.findChild<EditBox*>(QStringLiteral("Edit%1").arg(number));
        ASSERT_NE(box, nullptr);
        box->setFocus();
        box->selectAll();
        zerval::platform().setClipboardText(text);
        box->pasteFromMenu();
    }

    void expectBox(const QString& caption, MessageIcon icon) {
        ASSERT_FALSE(platform->messages.isEmpty());
        EXPECT_EQ(platform->messages.back().caption, caption);
        EXPECT_EQ(platform->messages.back().icon, icon);
        platform->messages.clear();
    }
};

TEST_F(WindowBoxes, CarryTheirIcons) {
    struct Case {
        std::unique_ptr<QDialog> window;
        int field;
        QString text;
        QString caption;
        MessageIcon icon;
    };
    std::vector<Case> cases;
    cases.push_back({std::make_unique<TFormSup>(nullptr), 6, QStringLiteral("abc"),
                     QStringLiteral("Error"), MessageIcon::Information});
    cases.push_back({std::make_unique<TFormSup>(nullptr), 3, QStringLiteral("1E298"),
                     applicationTitle(), MessageIcon::None});
    cases.push_back({std::make_unique<TFormDensidad>(nullptr), 1, QStringLiteral("1E300"),
                     QStringLiteral("Ohhh..."), MessageIcon::Information});
    cases.push_back({std::make_unique<TFormDensidad>(nullptr), 2, QStringLiteral("abc"),
                     QStringLiteral("Error de conversión"), MessageIcon::Information});
    cases.push_back({std::make_unique<TFormPeso>(nullptr), 5, QStringLiteral("abc"),
                     QStringLiteral("Oh oh!"), MessageIcon::Error});
    cases.push_back({std::make_unique<TFormPeso>(nullptr), 1, QStringLiteral("1E290"),
                     QStringLiteral("Muy pesado..."), MessageIcon::Warning});
    cases.push_back({std::make_unique<TFormPeso>(nullptr), 4, QStringLiteral("1E301"),
                     QStringLiteral("Es mucho..."), MessageIcon::Warning});
    cases.push_back({std::make_unique<TFormTorque>(nullptr), 1, QStringLiteral("1E400"),
                     QStringLiteral("Número inválido"), MessageIcon::None});
    for (Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        c.window->show();
        paste(*c.window, c.field, c.text);
        expectBox(c.caption, c.icon);
    }
}

TEST_F(WindowBoxes, TorqueStandsWhereDesignedOthersCentred) {
    TFormTorque torque(nullptr);
    torque.show();
    EXPECT_EQ(torque.pos(), QPoint(235, 173));
    TFormPeso weight(nullptr);
    weight.show();
    EXPECT_NE(weight.pos(), QPoint(235, 173));
    EXPECT_NE(weight.pos(), QPoint(0, 0));
}

} // namespace
} // namespace zerval
