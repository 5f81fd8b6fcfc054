#include "app/windowcatalog.h"
#include "platform/editbox.h"
#include "platform/scriptedplatform.h"
#include "testapplication.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <gtest/gtest.h>

#include <memory>

namespace zerval {
namespace {

struct UnitName {
    const char* window;
    const char* field;
    const char* name;
};

// Each field of a linked-field window is named by its unit label, which is its buddy.
TEST(UnitNames, FieldsAreNamedByTheirUnitLabels) {
    ensureApplication();
    installPlatform(std::make_unique<ScriptedPlatform>());
    const UnitName cases[] = {
        {"TFormVel", "Edit1", "km/hora"},
        {"TFormVel", "Edit6", "milla/hora"},
        {"TFormVel", "Edit5", "velocidad de la luz"},
        {"TFormPresion", "Edit4", "pascal (pa)"},
        {"TFormMasa", "Edit8", "avogramo"},
        {"TFormVol", "Edit2", "centímetro cúbico [cm³]"},
        {"TForm3", "Edit11", "milímetro [mm]"},
        {"TFormTiempo", "Edit17", "elemental"},
        {"TFormEnergia", "Edit6", "electrón.Volt"},
    };
    for (const UnitName& c : cases) {
        const std::unique_ptr<QDialog> window(createWindow(QString::fromLatin1(c.window), nullptr));
        ASSERT_TRUE(window) << c.window;
        auto* field = window->findChild<EditBox*>(QString::fromLatin1(c.field));
        ASSERT_TRUE(field) << c.window << " " << c.field;
        EXPECT_EQ(field->accessibleName().toStdString(), std::string(c.name))
            << c.window << " " << c.field;
        const QString label = QStringLiteral("Label") + QString::fromLatin1(c.field).mid(4);
        auto* unit = window->findChild<QLabel*>(label);
        ASSERT_TRUE(unit) << c.window << " " << label.toStdString();
        EXPECT_EQ(unit->buddy(), field) << c.window << " " << c.field;
    }
    installPlatform(nullptr);
}

} // namespace
} // namespace zerval
