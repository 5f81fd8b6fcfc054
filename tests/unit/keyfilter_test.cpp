#include "kit/entrykit.h"
#include "tests/unit/scriptedplatformtest.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using zerval::EntryClass;
using zerval::FieldState;
using zerval::FilterNumericKey;

constexpr char16_t kBackspace = 8;
constexpr char16_t kCtrlA = 1;
constexpr char16_t kCtrlC = 3;
constexpr char16_t kCtrlV = 22;
constexpr char16_t kCtrlX = 24;
constexpr char16_t kCtrlZ = 26;
constexpr char16_t kReturn = 13;
constexpr char16_t kEscape = 27;
// A separator that is neither "." nor "," (the Arabic decimal separator).
constexpr char16_t kArabic = 0x066B;

struct KeyRow {
    char16_t separator;
    const char* text;
    int selectionStart;
    int selectionLength;
    char16_t key;
    char16_t delivered; // 0: swallowed
};

// The filter only shows a box on an unexpected failure of its trial conversion; a scripted
// platform records any box so that each row can also check that none appeared.
class KeyFilter : public ScriptedPlatformTest {
protected:
    void check(const std::vector<KeyRow>& rows) {
        for (const KeyRow& row : rows) {
            const FieldState field{QString::fromUtf8(row.text), row.selectionStart,
                                   row.selectionLength};
            SCOPED_TRACE(testing::Message()
                         << "separator U+" << std::hex << unsigned(row.separator) << std::dec
                         << " text \"" << row.text << "\" selection " << row.selectionStart << "+"
                         << row.selectionLength << " key " << unsigned(row.key));
            EXPECT_EQ(unsigned(FilterNumericKey(row.key, field, QChar(row.separator))),
                      unsigned(row.delivered));
        }
        EXPECT_TRUE(platform->messages.isEmpty());
    }
};

TEST_F(KeyFilter, SeparatorKeysBecomeTheLocaleSeparator) {
    check({
        {u'.', "", 0, 0, u'.', u'.'},
        {u'.', "", 0, 0, u',', u'.'},
        {u'.', "", 0, 0, u'\'', u'.'},
        {u',', "", 0, 0, u'.', u','},
        {u',', "", 0, 0, u',', u','},
        {u',', "", 0, 0, u'\'', u','},
        {u'.', "12", 2, 0, u',', u'.'},
        {u',', "12", 2, 0, u'\'', u','},
        // The key lands in front of the selected "2", which stays: "1.2".
        {u',', "12", 1, 1, u'.', u','},
        {u'.', "-", 1, 0, u'.', u'.'},
        {u'.', "1E5", 1, 0, u'.', u'.'},
    });
}

TEST_F(KeyFilter, SeparatorThatWouldNotConvertIsRefused) {
    check({
        {u'.', "1.5", 3, 0, u'.', 0},
        {u'.', "1.5", 3, 0, u',', 0},
        {u',', "1,5", 3, 0, u'.', 0},
        {u',', "1,5", 0, 0, u'\'', 0},
        {u'.', "1E5", 3, 0, u'.', 0},
        {u',', "1E-", 3, 0, u',', 0},
        // Selected characters stay in the trial text: "1..5" does not convert.
        {u'.', "1.5", 1, 2, u'.', 0},
        // With the whole text selected the trial is the key alone.
        {u'.', "1.5", 0, 3, u'.', u'.'},
        {u',', "1,5", 0, 3, u'.', u','},
    });
}

TEST_F(KeyFilter, LowerCaseEBecomesUpperCase) {
    check({
        {u'.', "1", 1, 0, u'e', u'E'},
        {u',', "1,5", 3, 0, u'e', u'E'},
        {u'.', "1", 1, 0, u'E', u'E'},
        {u'.', ".", 1, 0, u'E', u'E'},
        {u'.', "15", 1, 0, u'E', u'E'},
        // A second exponent, a lone "E" and "-E" do not convert.
        {u'.', "1E", 2, 0, u'e', 0},
        {u'.', "1E5", 3, 0, u'E', 0},
        {u'.', "", 0, 0, u'e', 0},
        {u',', "", 0, 0, u'E', 0},
        {u'.', "-", 1, 0, u'E', 0},
        {u'.', "1E5", 0, 0, u'E', 0},
    });
}

TEST_F(KeyFilter, BackspaceAndClipboardKeysPassUnjudged) {
    for (char16_t separator : {u'.', u',', kArabic}) {
        check({
            {separator, "1E5", 3, 0, kBackspace, kBackspace},
            {separator, "", 0, 0, kBackspace, kBackspace},
            // No trial conversion: a text that would not convert does not stop them.
            {separator, "1.5.", 4, 0, kCtrlC, kCtrlC},
            {separator, "abc", 1, 1, kCtrlV, kCtrlV},
            {separator, "12", 0, 2, kCtrlX, kCtrlX},
        });
    }
}

TEST_F(KeyFilter, OtherCharactersAreSwallowed) {
    for (char16_t separator : {u'.', u','}) {
        check({
            {separator, "12", 2, 0, kCtrlA, 0},
            {separator, "12", 2, 0, kCtrlZ, 0},
            {separator, "12", 2, 0, kReturn, 0},
            {separator, "12", 2, 0, kEscape, 0},
            {separator, "12", 2, 0, u'+', 0},
            {separator, "", 0, 0, u'+', 0},
            {separator, "12", 2, 0, u' ', 0},
            {separator, "12", 2, 0, u'a', 0},
            {separator, "12", 2, 0, u'x', 0},
            {separator, "12", 2, 0, u'\u00B7', 0},
        });
    }
}

TEST_F(KeyFilter, SeparatorIsSwallowedWhereTheLocaleUsesAnotherOne) {
    check({
        {kArabic, "", 0, 0, u'.', 0},
        {kArabic, "12", 2, 0, u',', 0},
        {kArabic, "12", 2, 0, u'\'', 0},
        {kArabic, "12", 2, 0, kArabic, 0},
        {kArabic, "12", 2, 0, u'5', u'5'},
        {kArabic, "12", 2, 0, u'e', u'E'},
        {kArabic, "", 0, 0, u'-', u'-'},
    });
}

TEST_F(KeyFilter, MinusOnlyAtTheFrontOrAfterAnExponent) {
    for (char16_t separator : {u'.', u','}) {
        check({
            {separator, "", 0, 0, u'-', u'-'},
            {separator, "25", 0, 0, u'-', u'-'},
            {separator, "25", 1, 0, u'-', 0},
            {separator, "25", 2, 0, u'-', 0},
            {separator, "-25", 0, 0, u'-', 0},
            // The whole text selected: the prospective text is empty, the caret at 0.
            {separator, "25", 0, 2, u'-', u'-'},
            {separator, "-25", 0, 3, u'-', u'-'},
            {separator, "1E", 0, 2, u'-', u'-'},
            // A partial selection keeps the first character of the current text.
            {separator, "25", 0, 1, u'-', u'-'},
            {separator, "-25", 0, 1, u'-', 0},
            {separator, "-25", 1, 1, u'-', 0},
            // After a trailing "E" the minus goes in wherever the caret is.
            {separator, "1E", 2, 0, u'-', u'-'},
            {separator, "1E", 0, 0, u'-', u'-'},
            {separator, "1E", 1, 0, u'-', u'-'},
            {separator, "-1E", 3, 0, u'-', u'-'},
            // No trial conversion is made for a minus, so a third one follows "E-E".
            {separator, "1E-E", 4, 0, u'-', u'-'},
            {separator, "1E-", 3, 0, u'-', 0},
            {separator, "1E5", 2, 0, u'-', 0},
        });
    }
}

TEST_F(KeyFilter, DigitsGoInWhereTheResultConverts) {
    for (char16_t separator : {u'.', u','}) {
        check({
            {separator, "", 0, 0, u'5', u'5'},
            {separator, "-", 1, 0, u'5', u'5'},
            {separator, "1E", 2, 0, u'5', u'5'},
            {separator, "1E-", 3, 0, u'5', u'5'},
            {separator, "25", 0, 2, u'7', u'7'},
            {separator, "25", 1, 1, u'7', u'7'},
            // A digit in front of a leading minus.
            {separator, "-", 0, 0, u'5', 0},
            {separator, "-25", 0, 0, u'3', 0},
            {separator, "-25", 0, 1, u'3', 0},
        });
    }
}

TEST_F(KeyFilter, ExponentDigitsStopAtFiveHundredAndAtTheExtendedRange) {
    check({
        {u'.', "1E49", 4, 0, u'9', u'9'},
        // "1E500" still reads: its exponent reached 500 with its last digit.
        {u'.', "1E50", 4, 0, u'0', u'0'},
        {u'.', "1E500", 5, 0, u'0', 0},
        {u'.', "1E-50", 5, 0, u'0', u'0'},
        {u'.', "1E-500", 6, 0, u'0', 0},
        // 1E4932 fits the extended range, 1E4933 does not.
        {u'.', "1E493", 5, 0, u'2', u'2'},
        {u'.', "1E493", 5, 0, u'3', 0},
        {u',', "9,9E493", 7, 0, u'2', 0},
    });
}

TEST(ClassifyEntry, EmptyIncompleteOrConvertible) {
    struct Row {
        char16_t separator;
        const char* text;
        EntryClass expected;
    };
    const std::vector<Row> rows = {
        {u'.', "", EntryClass::Empty},          {u',', "", EntryClass::Empty},
        {u'.', "-", EntryClass::Incomplete},    {u',', "-", EntryClass::Incomplete},
        {u'.', "12.", EntryClass::Incomplete},  {u',', "12,", EntryClass::Incomplete},
        {u'.', ".", EntryClass::Incomplete},    {u'.', "-.", EntryClass::Incomplete},
        {u',', "12.", EntryClass::Convertible}, {u'.', "12,", EntryClass::Convertible},
        {u'.', "1E", EntryClass::Convertible},  {u'.', "1E-", EntryClass::Convertible},
        {u'.', "abc", EntryClass::Convertible}, {u'.', "--", EntryClass::Convertible},
        {u'.', " ", EntryClass::Convertible},   {u'.', "12.5", EntryClass::Convertible},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "\"" << row.text << "\" with '" << char(row.separator) << "'");
        EXPECT_EQ(zerval::ClassifyEntry(QString::fromUtf8(row.text), QChar(row.separator)),
                  row.expected);
    }
}

} // namespace
