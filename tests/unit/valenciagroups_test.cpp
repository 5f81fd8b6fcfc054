#include "converters/historic/valenciagroups.h"
#include "kit/checked.h"
#include "kit/textforms.h"

#include <gtest/gtest.h>

#include <set>

namespace zerval {
namespace {

const QChar dot = QLatin1Char('.');

const ValencianGroup& group(const char* name) {
    for (const ValencianGroup& g : valencianGroups())
        if (g.name == QString::fromLatin1(name)) return g;
    throw std::logic_error("no such group");
}

// Every field and its way back: one unit of it, carried to the hub and out again, is one unit.
TEST(ValencianGroups, EachFieldAndItsWayBackAgree) {
    for (const ValencianGroup& g : valencianGroups())
        for (const ValencianField& field : g.fields) {
            SCOPED_TRACE(field.number);
            const double hub = double(field.toHub);
            const std::map<int, double> values = groupValues(g, hub, 0, 0.0);
            EXPECT_NEAR(values.at(field.number), 1.0, 1e-12);
        }
}

TEST(ValencianGroups, FieldsAndTheirGroups) {
    std::set<int> seen;
    for (const ValencianGroup& g : valencianGroups()) {
        EXPECT_EQ(int(g.fields.size()), g.last - g.first);
        seen.insert(g.hub);
        std::set<int> known = {g.hub};
        for (const ValencianField& field : g.fields) {
            // A field's source is the hub or a field computed before it.
            EXPECT_TRUE(known.count(field.source)) << field.number;
            known.insert(field.number);
            seen.insert(field.number);
        }
    }
    EXPECT_EQ(seen.size(), 48u);
    EXPECT_EQ(valencianGroupOf(17)->hub, 9);
    EXPECT_EQ(valencianGroupOf(45)->hub, 43);
    EXPECT_EQ(valencianGroupOf(46)->hub, 46);
    EXPECT_EQ(valencianGroupOf(49), nullptr);
}

struct ValueCase {
    const char* group;
    double hub;
    int field;
    const char* expected;
};

TEST(ValencianGroups, ValuesFromTheHub) {
    const ValueCase cases[] = {
        {"Longitud", 1, 2, "1.1037527593819"},
        {"Longitud", 1, 8, "5721.85430463576"},
        {"Longitud", 0.906, 2, "1"},
        {"Agrarias", 831.09645, 10, "1"}, // from the square varas of this same value
        {"Agrarias", 831.09645, 13, "48"},
        {"Agrarias", 831.09645, 14, "63.28125"},
        {"Peso", 355, 39, "1"},
        {"Peso", 355, 42, "9216"},
        {"Vino", 10.77, 45, "16"},
        {"Aceite", 1, 48, "0.335"},
        {"Volumen", 0.743677416, 33, "139314069504"},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.group << " " << c.field);
        const std::map<int, double> values = groupValues(group(c.group), c.hub, 0, 0.0);
        EXPECT_EQ(GeneralText(values.at(c.field), dot).toStdString(), c.expected);
    }
}

TEST(ValencianGroups, TheActiveFieldKeepsItsValueAndFeedsOthers) {
    const std::map<int, double> values = groupValues(group("Longitud"), 0.302, 3, 1.0);
    EXPECT_EQ(values.at(3), 1.0);
    EXPECT_EQ(GeneralText(values.at(6), dot).toStdString(), "12");
}

TEST(ValencianGroups, AValueOutOfRangeFailsTheWholeGroup) {
    EXPECT_THROW(groupValues(group("Longitud"), 1e308, 0, 0.0), FloatOverflow);
    EXPECT_NO_THROW(groupValues(group("Longitud"), 1e300, 0, 0.0));
}

struct SpellCase {
    Spelling spelling;
    double amount;
    const char* text;
};

TEST(SpellCompound, WholeUnitsDownToThousandths) {
    const SpellCase cases[] = {
        {Spelling::Length, 1.1037527593818984,
         "1 vara,\n0 palmos,\n1 cuarto,\n1 dedo,\n8 líneas,\n821 milésimas de línea."},
        // A hair short of one vara: the carries restore it.
        {Spelling::Length, 0.906 * 1.1037527593818984,
         "1 vara,\n0 palmos,\n0 cuartos,\n0 dedos,\n0 líneas,\n0 milésimas de línea."},
        {Spelling::Length, 2.5,
         "2 varas,\n2 palmos,\n0 cuartos,\n0 dedos,\n0 líneas,\n0 milésimas de línea."},
        {Spelling::Weight, 1, "1 libra,\n0 onzas,\n0 cuartas,\n0 milésimas de cuarta."},
        {Spelling::Weight, 1.53125, "1 libra,\n8 onzas,\n2 cuartas,\n0 milésimas de cuarta."},
        // 62.5 thousandths: halves go up.
        {Spelling::Weight, 0.0009765625,
         "0 libras,\n0 onzas,\n0 cuartas,\n63 milésimas de cuarta."},
        {Spelling::Surface, 1 + 1.0 / 16 + 1.0 / 256,
         "1 vara cuadrada,\n1 palmo cuadrado,\n1 cuarto cuadrado,\n0 dedos cuadrados,\n0 "
         "líneas cuadradas,\n0 milésimas de línea cuadrada."},
        {Spelling::Volume, 2 + 1.0 / 110592,
         "2 varas cúbicas,\n0 palmos cúbicos,\n0 cuartos cúbicos,\n1 dedo cúbico,\n0 líneas "
         "cúbicas,\n0 milésimas de línea cúbica."},
    };
    for (const SpellCase& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(SpellCompound(c.spelling, c.amount, dot).toStdString(), c.text);
    }
    EXPECT_EQ(SpellCompound(Spelling::None, 1, dot).toStdString(), "");
}

} // namespace
} // namespace zerval
