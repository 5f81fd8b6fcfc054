#include "converters/numeration/spanishwords.h"

#include <gtest/gtest.h>

#include <limits>

using namespace zerval;

namespace {

struct Spelled {
    const char* digits;
    const char* words;
};

TEST(SpanishWords, SpellsTheDigitsField) {
    const Spelled cases[] = {
        {"", ""},
        {"0", "cero"},
        {"000", "cero"},
        {"1", "uno"},
        {"2", "dos"},
        {"16", "dieciséis"},
        {"20", "veinte"},
        {"21", "veintiuno"},
        {"22", "veintidós"},
        {"23", "veintitrés"},
        {"24", "veinticuatro"},
        {"26", "veintiséis"},
        {"30", "treinta"},
        {"31", "treinta y uno"},
        {"99", "noventa y nueve"},
        {"100", "cien"},
        {"101", "ciento uno"},
        {"111", "ciento once"},
        {"121", "ciento veintiuno"},
        {"200", "doscientos "},
        {"555", "quinientos cincuenta y cinco"},
        {"1000", "mil "},
        {"1001", "mil uno"},
        {"11000", "once mil "},
        {"21000", "veintiún mil "},
        {"31000", "treinta y un mil "},
        {"100000", "cien mil "},
        {"101000", "ciento un mil "},
        {"200000", "doscientos mil "},
        {"1000000", "un millón "},
        {"1000001", "un millón uno"},
        {"1000021", "un millón veintiuno"},
        {"1001000", "un millón mil "},
        {"2000000", "dos millones "},
        {"21000000", "veintiún millones "},
        {"1000000000", "mil millones "},
        {"1005000000", "mil cinco millones "},
        {"2500000000", "dos mil quinientos millones "},
        {"21000000000", "veintiún mil millones "},
        {"1000000000000", "un billón "},
        {"2000000000000", "dos billones "},
        {"2000001000000", "dos billones un millón "},
        {"1000000000000000", "mil billones "},
        {"1001000000000000", "mil un billones "},
        {"0005", "cinco"},
        {"0001000000000000", "un billón "},
        {"999999999999999999",
         "novecientos noventa y nueve mil novecientos noventa y nueve billones novecientos "
         "noventa y nueve mil novecientos noventa y nueve millones novecientos noventa y "
         "nueve mil novecientos noventa y nueve"},
        // Not a whole number, or negative: counted as 0.
        {"12a", "cero"},
        {"-5", "cero"},
        {"99999999999999999999", "cero"},
    };
    for (const Spelled& c : cases)
        EXPECT_EQ(WordsForDigits(QString::fromLatin1(c.digits)).toStdString(), c.words)
            << '"' << c.digits << '"';
}

TEST(SpanishWords, SpellsBeyondEighteenDigits) {
    EXPECT_EQ(SpellNumber(1000000000000000000).toStdString(), "un trillones ");
    EXPECT_EQ(SpellNumber(std::numeric_limits<std::int64_t>::max()).toStdString(),
              "nueve trillones doscientos veintitrés mil trescientos setenta y dos billones "
              "treinta y seis mil ochocientos cincuenta y cuatro millones setecientos setenta "
              "y cinco mil ochocientos siete");
    EXPECT_EQ(SpellNumber(std::numeric_limits<std::int64_t>::min()).toStdString(), "cero");
}

struct Group {
    int value;
    GroupForm form;
    bool afterVeinti;
    const char* words;
};

TEST(SpanishWords, SpellsGroups) {
    const Group cases[] = {
        {0, GroupForm::Full, false, ""},
        {1, GroupForm::Full, false, "uno"},
        {1, GroupForm::Short, false, "un"},
        {1, GroupForm::Short, true, "ún"},
        {1, GroupForm::Full, true, "uno"},
        {6, GroupForm::Full, true, "séis"},
        {21, GroupForm::Short, false, "veintiún"},
        {41, GroupForm::Short, false, "cuarenta y un"},
        {201, GroupForm::Short, false, "doscientos un"},
        {999, GroupForm::Full, false, "novecientos noventa y nueve"},
        {1000, GroupForm::Full, false, ""},
        {-3, GroupForm::Full, false, ""},
    };
    for (const Group& c : cases)
        EXPECT_EQ(SpellGroup(c.value, c.form, c.afterVeinti).toStdString(), c.words) << c.value;
}

TEST(SpanishWords, LeadingScale) {
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {-7, 1},
        {0, 1},
        {999, 1},
        {1000, 1000},
        {999999, 1000},
        {1000000, 1000000},
        {999999999999999999, 1000000000000000},
        {1000000000000000000, 1000000000000000000},
        {std::numeric_limits<std::int64_t>::max(), 1000000000000000000},
    };
    for (const auto& [number, scale] : cases)
        EXPECT_EQ(LeadingScale(number), scale) << number;
}

} // namespace
