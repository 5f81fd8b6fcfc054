#include "kit/checked.h"
#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "tests/unit/scriptedplatformtest.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace {

using zerval::readNumber;

struct SyntaxRow {
    char16_t separator;
    QString text;
    std::optional<long double> expected; // nullopt: does not convert
};

void checkSyntax(const std::vector<SyntaxRow>& rows) {
    for (const SyntaxRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "\"" << row.text.left(40).toStdString() << "\" with '"
                                        << char(row.separator) << "'");
        const std::optional<long double> value = readNumber(row.text, QChar(row.separator));
        ASSERT_EQ(value.has_value(), row.expected.has_value());
        if (!value) continue;
        EXPECT_EQ(*value, *row.expected);
        EXPECT_EQ(std::signbit(*value), std::signbit(*row.expected));
    }
}

QString operator""_q(const char* text, std::size_t size) {
    return QString::fromUtf8(text, qsizetype(size));
}

TEST(NumberSyntax, BlanksSignsAndSeparator) {
    for (char16_t separator : {u'.', u','}) {
        const QString sep(separator);
        checkSyntax({
            {separator, "12"_q, 12.0L},
            {separator, "  12  "_q, 12.0L},
            {separator, "+12"_q, 12.0L},
            {separator, " -12"_q, -12.0L},
            {separator, "1"_q + sep + "5"_q, 1.5L},
            {separator, "1"_q + sep, 1.0L},
            {separator, sep + "5"_q, 0.5L},
            {separator, "0"_q + sep + "1"_q, 0.1L},
            {separator, sep, 0.0L},
            {separator, "+"_q + sep, 0.0L},
            {separator, "-"_q + sep, -0.0L},
            {separator, "-0"_q, -0.0L},
            {separator, " -3"_q + sep + "25E+2 "_q, -325.0L},
            {separator, "007"_q, 7.0L},
            // The separator alone is enough in front of an exponent.
            {separator, sep + "E5"_q, 0.0L},
        });
    }
}

TEST(NumberSyntax, Exponent) {
    checkSyntax({
        {u'.', "1E3"_q, 1000.0L},
        {u'.', "1e3"_q, 1000.0L},
        {u'.', "2.5E-3"_q, 2.5e-3L},
        {u'.', "1E+3"_q, 1000.0L},
        {u'.', "1E"_q, 1.0L},
        {u'.', "1E-"_q, 1.0L},
        {u'.', "1E+"_q, 1.0L},
        {u'.', "1E "_q, 1.0L},
        {u'.', "1E0000000000003"_q, 1000.0L},
        {u'.', "1E499"_q, 1e499L},
        // The digit that brings the exponent to 500 or more is the last one read.
        {u'.', "1E500"_q, 1e500L},
        {u'.', "1E0500"_q, 1e500L},
        {u'.', "1E999"_q, 1e999L},
        {u'.', "1E-999"_q, 1e-999L},
        {u'.', "1E5000"_q, std::nullopt},
        {u'.', "1E-5000"_q, std::nullopt},
        {u'.', "1E9999"_q, std::nullopt},
        // Four digits whose first three stay below 500, beyond the extended range: the
        // large one overflows, the small one underflows silently to zero.
        {u'.', "1E4999"_q, std::nullopt},
        {u'.', "1E-4999"_q, 0.0L},
        {u'.', "-1E-4999"_q, -0.0L},
        {u'.', "1E4932"_q, 1e4932L},
        {u'.', "1E4933"_q, std::nullopt},
        {u'.', "-2E4932"_q, std::nullopt},
        {u'.', "1"_q + QString(4933, QLatin1Char('0')), std::nullopt},
        {u'.', "0."_q + QString(4960, QLatin1Char('0')) + "1"_q, 0.0L},
    });
}

TEST(NumberSyntax, TextsThatDoNotConvert) {
    for (char16_t separator : {u'.', u','}) {
        checkSyntax({
            {separator, ""_q, std::nullopt},
            {separator, " "_q, std::nullopt},
            {separator, "-"_q, std::nullopt},
            {separator, "+"_q, std::nullopt},
            {separator, "E"_q, std::nullopt},
            {separator, "-E"_q, std::nullopt},
            {separator, "E5"_q, std::nullopt},
            {separator, "--1"_q, std::nullopt},
            {separator, "+-1"_q, std::nullopt},
            {separator, "- 1"_q, std::nullopt},
            {separator, "1-"_q, std::nullopt},
            {separator, "1 2"_q, std::nullopt},
            {separator, "\t1"_q, std::nullopt},
            {separator, "1E5E"_q, std::nullopt},
            {separator, "1E--5"_q, std::nullopt},
            {separator, "abc"_q, std::nullopt},
            {separator, "1x"_q, std::nullopt},
            {separator, "1E5"_q + QChar(separator) + "5"_q, std::nullopt},
            {separator, "1"_q + QChar(separator) + "2"_q + QChar(separator), std::nullopt},
        });
    }
    // The other locale's separator is not a separator.
    checkSyntax({
        {u'.', "1,5"_q, std::nullopt},
        {u',', "1.5"_q, std::nullopt},
        {u',', "."_q, std::nullopt},
    });
}

class ParseEntry : public ScriptedPlatformTest {
protected:
};

TEST_F(ParseEntry, ConvertsWithoutAMessageAndClearsTheFlag) {
    struct Row {
        char16_t separator;
        const char* text;
        double expected;
    };
    const std::vector<Row> rows = {
        {u'.', " 12 ", 12.0},
        {u',', " 12 ", 12.0},
        {u'.', "1.5", 1.5},
        {u',', "1,5", 1.5},
        {u'.', "-2.5E-3", -2.5e-3},
        {u'.', "1E", 1.0},
        {u',', "1E-", 1.0},
        {u'.', ".", 0.0},
        {u'.', "1E308", 1e308},
        {u'.', "0.1", 0.1},
        // Beyond the double range at the small end: narrowed silently to zero.
        {u'.', "1E-400", 0.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        bool parseError = true;
        EXPECT_EQ(zerval::ParseEntry(QString::fromUtf8(row.text), parseError, QChar(row.separator)),
                  row.expected);
        EXPECT_FALSE(parseError);
    }
    bool parseError = true;
    EXPECT_TRUE(std::signbit(zerval::ParseEntry(QStringLiteral("-."), parseError, u'.')));
    EXPECT_TRUE(platform->messages.isEmpty());
}

TEST_F(ParseEntry, TextThatDoesNotConvertShowsTheBoxSetsTheFlagAndGivesZero) {
    struct Row {
        char16_t separator;
        QString text;
    };
    const std::vector<Row> rows = {
        {u'.', QStringLiteral("abc")},
        {u'.', QStringLiteral("")},
        {u'.', QStringLiteral("-")},
        {u'.', QStringLiteral("1,5")},
        {u',', QStringLiteral("1.5")},
        {u'.', QStringLiteral("1E5000")},
        {u'.', QStringLiteral("1E4933")}, // beyond the extended range
        {u'.', QString(150, QLatin1Char('x'))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        platform->messages.clear();
        bool parseError = false;
        EXPECT_EQ(zerval::ParseEntry(row.text, parseError, QChar(row.separator)), 0.0);
        EXPECT_TRUE(parseError);
        ASSERT_EQ(platform->messages.size(), 1);
        const zerval::RecordedMessage& box = platform->messages.front();
        EXPECT_EQ(box.caption.toStdString(), "Error de conversión");
        EXPECT_EQ(box.icon, zerval::MessageIcon::Information);
        // The whole text is quoted: only the key filter's box cuts it to 100 characters.
        EXPECT_EQ(box.text,
                  QLatin1Char('"') + row.text + QStringLiteral("\"\nNo es un número válido.\n"));
        EXPECT_EQ(box.text, zerval::notANumberMessage(row.text));
    }
}

TEST_F(ParseEntry, ValueBeyondTheDoubleRangeRaisesOverflowWithoutABox) {
    for (const char* text : {"1E309", "-1E309", "1E500", "1E4932", "2E308"}) {
        SCOPED_TRACE(text);
        bool parseError = true;
        EXPECT_THROW(zerval::ParseEntry(QString::fromUtf8(text), parseError, u'.'),
                     zerval::FloatOverflow);
        EXPECT_FALSE(parseError);
    }
    EXPECT_TRUE(platform->messages.isEmpty());
}

} // namespace
