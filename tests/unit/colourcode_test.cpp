#include "converters/electric/colourcode.h"

#include <gtest/gtest.h>

using namespace zerval;

namespace {

struct Reading {
    const char* text;
    char separator;
    OhmsReading::Kind kind;
    double value;
};

const Reading kReadings[] = {
    {"", '.', OhmsReading::Zero, 0.0},
    {"   ", '.', OhmsReading::Zero, 0.0},
    {"-", '.', OhmsReading::Ignored, 0.0},
    {" - ", '.', OhmsReading::Ignored, 0.0},
    {"-5", '.', OhmsReading::Ignored, 0.0},
    {"-1E400", '.', OhmsReading::Ignored, 0.0},
    {"-0", '.', OhmsReading::Zero, 0.0},
    {"0", '.', OhmsReading::Zero, 0.0},
    {"0.000", '.', OhmsReading::Zero, 0.0},
    {"ABC", '.', OhmsReading::Zero, 0.0},
    {".", '.', OhmsReading::Zero, 0.0},
    {",", ',', OhmsReading::Zero, 0.0},
    {"NAN", '.', OhmsReading::Zero, 0.0},
    {"INF", '.', OhmsReading::Zero, 0.0},
    {"0X1A", '.', OhmsReading::Zero, 0.0},
    // Reading stops where the number ends.
    {"4K7", '.', OhmsReading::Value, 4.0},
    {"47 OHM", '.', OhmsReading::Value, 47.0},
    {"1.5.5", '.', OhmsReading::Value, 1.5},
    {"1 000", '.', OhmsReading::Value, 1.0},
    {" 470 ", '.', OhmsReading::Value, 470.0},
    {"+5", '.', OhmsReading::Value, 5.0},
    {".5", '.', OhmsReading::Value, 0.5},
    {"4.", '.', OhmsReading::Value, 4.0},
    // The locale's separator, and "." as well.
    {"4,7", ',', OhmsReading::Value, 4.7},
    {"4.7", ',', OhmsReading::Value, 4.7},
    {"4,7", '.', OhmsReading::Value, 4.0},
    // An exponent needs a digit.
    {"1E3", '.', OhmsReading::Value, 1000.0},
    {"4E", '.', OhmsReading::Value, 4.0},
    {"4E-", '.', OhmsReading::Value, 4.0},
    {"4E-2", '.', OhmsReading::Value, 0.04},
    {"4,7E+3", ',', OhmsReading::Value, 4700.0},
    {"0000000000001", '.', OhmsReading::Value, 1.0},
    // The limit.
    {"999000000000", '.', OhmsReading::Value, 9.99e11},
    {"9.99E11", '.', OhmsReading::Value, 9.99e11},
    {"999000000001", '.', OhmsReading::TooLarge, 0.0},
    {"1E12", '.', OhmsReading::TooLarge, 0.0},
    {"1E400", '.', OhmsReading::TooLarge, 0.0},
    {"1E99999999999", '.', OhmsReading::TooLarge, 0.0},
    {"1E-400", '.', OhmsReading::Value, 0.0},
    {"1E-99999999999", '.', OhmsReading::Value, 0.0},
};

TEST(ColourCode, ReadsTheValueFieldFromTheFront) {
    for (const Reading& r : kReadings) {
        const OhmsReading got = readOhms(QString::fromUtf8(r.text), QLatin1Char(r.separator));
        EXPECT_EQ(got.kind, r.kind) << r.text;
        if (r.kind != OhmsReading::Value) continue;
        EXPECT_GT(got.value, 0.0) << r.text;
        EXPECT_LE(got.value, kLargestOhms) << r.text;
        if (r.value > 0.0) {
            EXPECT_DOUBLE_EQ(got.value, r.value) << r.text;
        } else {
            EXPECT_LT(got.value, 0.01) << r.text;
        }
    }
}

TEST(ColourCode, LongRunsOfDigits) {
    EXPECT_EQ(readOhms(QString(10000, QLatin1Char('1')), QLatin1Char('.')).kind,
              OhmsReading::TooLarge);
    const OhmsReading small =
        readOhms(QStringLiteral("0.") + QString(10000, QLatin1Char('0')) + QStringLiteral("1"),
                 QLatin1Char('.'));
    EXPECT_EQ(small.kind, OhmsReading::Value);
    EXPECT_LT(small.value, 0.01);
    EXPECT_EQ(
        readOhms(QString(10000, QLatin1Char('0')) + QStringLiteral("47"), QLatin1Char('.')).value,
        47.0);
}

struct Banding {
    double ohms;
    bool fourBands;
    ResistorBands bands;
};

const Banding kBandings[] = {
    {47, false, {0, 4, 7, 2}},
    {4.75, false, {4, 7, 5, 0}},
    {470, false, {4, 7, 0, 2}},
    {4700, true, {0, 4, 7, 4}},
    {27000, true, {0, 2, 7, 5}},
    {4700, false, {4, 7, 0, 3}},
    {99.5, false, {9, 9, 5, 1}},
    {100, false, {1, 0, 0, 2}},
    {5, false, {0, 5, 0, 1}},
    // 0.01 to 0.1: one digit at x0.01, the next cut.
    {0.047, false, {0, 0, 4, 0}},
    {0.047, true, {0, 0, 4, 0}},
    {0.01, false, {0, 0, 1, 0}},
    // Below one ohm, two digits at x0.01 on five bands as on four.
    {0.47, false, {0, 4, 7, 0}},
    {0.475, false, {0, 4, 7, 0}},
    {0.47, true, {0, 4, 7, 0}},
    // Below the smallest band, every digit 0.
    {0.0099, false, {0, 0, 0, 0}},
    {1e-300, true, {0, 0, 0, 0}},
    // The value is rounded to the digits of the bands; from 0.01 to 0.1 the second digit
    // of that is dropped.
    {4.759, false, {4, 7, 6, 0}},
    {4799, true, {0, 4, 8, 4}},
    {0.0479, true, {0, 0, 4, 0}},
    {0.0479, false, {0, 0, 4, 0}},
    // The top of each band count.
    {9.99e11, false, {9, 9, 9, 11}},
    {9.9e10, true, {0, 9, 9, 11}},
};

TEST(ColourCode, BandsForValue) {
    for (const Banding& b : kBandings) {
        const std::optional<ResistorBands> got = bandsForValue(b.ohms, b.fourBands);
        ASSERT_TRUE(got.has_value()) << b.ohms;
        EXPECT_EQ(*got, b.bands) << b.ohms << (b.fourBands ? " four" : " five") << " got "
                                 << got->hundreds << got->tens << got->units << " x"
                                 << got->multiplier;
    }
}

TEST(ColourCode, FourBandsEndBelowTheLimit) {
    EXPECT_FALSE(bandsForValue(1e11, true).has_value());
    EXPECT_FALSE(bandsForValue(4.7e11, true).has_value());
    EXPECT_FALSE(bandsForValue(9.99e11, true).has_value());
    // 9.96E10 is 1.0E+11 to two digits.
    EXPECT_FALSE(bandsForValue(9.96e10, true).has_value());
    EXPECT_TRUE(bandsForValue(9.94e10, true).has_value());
}

// Every value the bands can show reads back to bands of the same value, and no band index
// leaves its list.
TEST(ColourCode, EveryShownValueReadsBack) {
    for (const bool four : {false, true}) {
        for (int digits = 1; digits <= (four ? 99 : 999); ++digits) {
            for (int multiplier = 0; multiplier < kMultiplierItems; ++multiplier) {
                const ResistorBands shown{digits / 100, digits / 10 % 10, digits % 10, multiplier};
                const double ohms = valueOfBands(shown, four);
                const std::optional<ResistorBands> read = bandsForValue(ohms, four);
                ASSERT_TRUE(read.has_value()) << ohms;
                EXPECT_EQ(valueOfBands(*read, four), ohms) << ohms;
                for (int index : {read->hundreds, read->tens, read->units})
                    EXPECT_TRUE(index >= 0 && index <= 9) << ohms;
                EXPECT_TRUE(read->multiplier >= 0 && read->multiplier < kMultiplierItems);
            }
        }
    }
}

TEST(ColourCode, ValueOfBands) {
    EXPECT_DOUBLE_EQ(valueOfBands({4, 7, 5, 0}, false), 4.75);
    EXPECT_DOUBLE_EQ(valueOfBands({0, 4, 7, 4}, true), 4700);
    EXPECT_DOUBLE_EQ(valueOfBands({5, 4, 7, 4}, true), 4700);
    EXPECT_DOUBLE_EQ(valueOfBands({9, 9, 9, 11}, false), 9.99e11);
    EXPECT_DOUBLE_EQ(valueOfBands({0, 0, 0, 7}, false), 0.0);
}

struct Code {
    double ohms;
    const char* code;
};

const Code kCodes[] = {
    {4700, "4K7"},     {470, "470R"},  {4.7, "4R7"},   {0.47, "0R47"},    {1.05, "1R05"},
    {2200000, "2M2"},  {4050, "4K05"}, {1e9, "1G"},    {0, "0R"},         {0.04, "0R04"},
    {0.01, "0R01"},    {4.75, "4R75"}, {1000, "1K"},   {999, "999R"},     {12300, "12K3"},
    {1230000, "1M23"}, {27000, "27K"}, {47000, "47K"}, {9.99e11, "999G"}, {99.5, "99R5"},
    {4.999, "5R"},
};

TEST(ColourCode, CodeNotation) {
    for (const Code& c : kCodes) {
        EXPECT_EQ(codeNotation(c.ohms, QLatin1Char('.')).value_or(QStringLiteral("-")),
                  QString::fromLatin1(c.code))
            << c.ohms;
        EXPECT_EQ(codeNotation(c.ohms, QLatin1Char(',')).value_or(QStringLiteral("-")),
                  QString::fromLatin1(c.code))
            << c.ohms;
    }
    EXPECT_FALSE(codeNotation(0.005, QLatin1Char('.')).has_value());
}

TEST(ColourCode, Colours) {
    EXPECT_EQ(bandColour(0), 0xC0C0C0u);
    EXPECT_EQ(bandColour(2), 0x000000u);
    EXPECT_EQ(bandColour(9), 0xFF80FFu);
    EXPECT_EQ(bandColour(11), 0xFFFFFFu);
    const char* const percents[] = {"20", "20", "10", "5", "2", "1", "0.5", "0.25", "0.1", "0.05"};
    const QRgb colours[] = {0x80FFFF, 0x000000, 0xC0C0C0, 0xFFD700, 0xFF0000,
                            0x800000, 0x008000, 0x0000FF, 0xFF80FF, 0x808080};
    for (int item = 0; item < kToleranceItems; ++item) {
        EXPECT_EQ(toleranceText(item), QString::fromLatin1(percents[item])) << item;
        EXPECT_EQ(toleranceColour(item), colours[item]) << item;
    }
}

} // namespace
