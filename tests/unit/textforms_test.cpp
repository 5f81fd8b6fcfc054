#include "kit/checked.h"
#include "kit/textforms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct TextRow {
    long double value;
    char16_t separator;
    std::string expected;
};

TEST(GeneralText, FifteenDigitsFixedOrScientific) {
    const std::vector<TextRow> rows = {
        {1234.5, u'.', "1234.5"},
        {1234.5, u',', "1234,5"},
        {-1234.5, u',', "-1234,5"},
        {0.0, u'.', "0"},
        {-0.0, u'.', "0"},
        {100.0, u'.', "100"},
        {2.0 / 3.0, u'.', "0.666666666666667"},
        {0.1 + 0.2, u'.', "0.3"},
        {12345678901234.5, u'.', "12345678901234.5"},
        {1.0 / 299792.5, u'.', "3.33564048466856E-6"},
        {1.0 / 299792.5, u',', "3,33564048466856E-6"},
        {-1.0 / 299792.5, u'.', "-3.33564048466856E-6"},
        // The lower end of fixed notation.
        {0.0001, u'.', "0.0001"},
        {0.0001, u',', "0,0001"},
        {-0.0001, u'.', "-0.0001"},
        {std::nextafter(0.0001, 0.0), u'.', "0.0001"}, // rounds up to 15 digits first
        {0.000123, u'.', "0.000123"},
        {0.00012345678901234567, u'.', "0.000123456789012346"},
        {0.00005, u'.', "5E-5"},
        {-0.00005, u'.', "-5E-5"},
        {0.000099, u',', "9,9E-5"},
        {1e-7, u'.', "1E-7"},
        {1.5e-10, u'.', "1.5E-10"},
        // The upper end.
        {999999999999999.0, u'.', "999999999999999"},
        {-999999999999999.0, u'.', "-999999999999999"},
        {999999999999999.4, u'.', "999999999999999"},
        {std::nextafter(1e15, 0.0), u'.', "1E15"},
        {1e15, u'.', "1E15"},
        {-1e15, u'.', "-1E15"},
        {1e14, u'.', "100000000000000"},
        {123456789012345678.0, u'.', "1.23456789012346E17"},
        {123456789012345678.0, u',', "1,23456789012346E17"},
        {-123456789012345678.0, u'.', "-1.23456789012346E17"},
        {1e100, u'.', "1E100"},
        // Extended values beyond the double range.
        {1e400L, u'.', "1E400"},
        {-2.5e-400L, u'.', "-2.5E-400"},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(zerval::GeneralText(row.value, QChar(row.separator)).toStdString(), row.expected);
    }
}

TEST(ResultText, SixDecimalsHalvesTowardsPlusInfinity) {
    const std::vector<TextRow> rows = {
        {1.0 / 3600.0, u'.', "0.000278"},
        {1.0 / 3600.0, u',', "0,000278"},
        {0.000278, u'.', "0.000278"},
        {0.00005, u'.', "5E-5"},
        {1e20, u'.', "1E20"},
        {2.9999999, u'.', "3"},
        {-0.0000015, u'.', "-1E-6"},
        {-0.0000005, u'.', "0"},
        {0.0000005, u'.', "1E-6"},
        {0.0000015, u'.', "2E-6"},
        {0.0000004999, u'.', "0"},
        {-0.0000004999, u'.', "0"},
        {-0.0000025, u'.', "-2E-6"},
        {-0.0000085, u'.', "-8E-6"},
        // Just under a half, but the sum narrowed to a double is the half itself.
        {0.0000035, u'.', "4E-6"},
        {0.0000085, u'.', "9E-6"},
        {1.0000005, u'.', "1.000001"},
        {0.1234565, u',', "0,123457"},
        {-1234.5678905, u'.', "-1234.56789"},
        {12345678.1234567, u'.', "12345678.123457"},
        {0.0, u'.', "0"},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(zerval::ResultText(double(row.value), QChar(row.separator)).toStdString(),
                  row.expected);
    }
}

TEST(ResultText, OtherNumbersOfDecimals) {
    struct Row {
        double value;
        int decimals;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {1.0 / 3.0, 7, "0.3333333"}, {0.123456785, 7, "0.1234568"}, {0.00000015, 7, "2E-7"},
        {0.00000005, 7, "1E-7"},     {0.000000049, 7, "0"},         {2.0 / 3.0, 5, "0.66667"},
        {-0.000015, 5, "-1E-5"},     {123.456785, 5, "123.45679"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(zerval::RoundedText(row.value, row.decimals, u'.').toStdString(), row.expected);
        EXPECT_EQ(
            zerval::GeneralText(zerval::RoundedValue(row.value, row.decimals), u'.').toStdString(),
            row.expected);
    }
}

TEST(ResultText, ScaledValueBeyondTheDoubleRangeRaisesOverflow) {
    EXPECT_EQ(zerval::ResultText(1e300, u'.').toStdString(), "1E300");
    EXPECT_THROW(zerval::ResultText(1e303, u'.'), zerval::FloatOverflow);
    EXPECT_THROW(zerval::ResultText(-1e303, u'.'), zerval::FloatOverflow);
}

// A value that is no longer a number is the failure that produced it, never the text "inf".
TEST(TextForms, NonFiniteValuesRaiseInsteadOfWritingLetters) {
    const double infinity = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(zerval::GeneralText(infinity, u'.'), zerval::FloatOverflow);
    EXPECT_THROW(zerval::GeneralText(-infinity, u','), zerval::FloatOverflow);
    EXPECT_THROW(zerval::GeneralText(nan, u'.'), zerval::FloatInvalid);
    EXPECT_THROW(zerval::ResultText(infinity, u'.'), zerval::FloatOverflow);
    EXPECT_THROW(zerval::PatternText(-infinity, QStringLiteral("0.00"), u'.'),
                 zerval::FloatOverflow);
    EXPECT_THROW(zerval::PatternText(nan, QStringLiteral("0.0000E+00"), u','),
                 zerval::FloatInvalid);
    EXPECT_EQ(zerval::GeneralText(std::numeric_limits<double>::max(), u'.').toStdString(),
              "1.79769313486232E308");
    EXPECT_EQ(zerval::GeneralText(std::numeric_limits<double>::denorm_min(), u',').toStdString(),
              "4,94065645841247E-324");
}

TEST(RoundToScale, FloorOfTheNarrowedSumDividedByTheScale) {
    struct Row {
        double value;
        int scale;
        long double expected;
    };
    const std::vector<Row> rows = {
        {2.345, 100, 235.0L / 100},
        {-2.345, 100, -235.0L / 100},
        {1.005, 100, 1.0L},
        {0.285, 100, 28.0L / 100},
        // 0.015 x 100 is just below 1.5, but the sum narrowed to a double is 2.
        {0.015, 100, 2.0L / 100},
        {0.125, 100, 13.0L / 100},
        {-0.125, 100, -12.0L / 100},
        // A division: 5 / 100 differs from 5 x (1 / 100) in extended precision.
        {0.05, 100, 5.0L / 100},
        {1.0 / 3.0, 10000000, 3333333.0L / 10000000},
        {1.23456785, 10000000, 12345679.0L / 10000000},
        {0.123456785, 100000000, 12345679.0L / 100000000},
        {-0.000000004, 100000000, 0.0L},
        {0.0, 100, 0.0L},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.value << " at " << row.scale);
        EXPECT_EQ(zerval::RoundToScale(row.value, row.scale), row.expected);
    }
    EXPECT_NE(5.0L / 100, 5.0L * (1.0L / 100));
    EXPECT_EQ(zerval::GeneralText(zerval::RoundToScale(2.345, 100), u','), QStringLiteral("2,35"));
    EXPECT_THROW(zerval::RoundToScale(1e307, 100000000), zerval::FloatOverflow);
}

struct PatternRow {
    double value;
    const char* pattern;
    char16_t separator;
    std::string expected;
};

void checkPatterns(const std::vector<PatternRow>& rows) {
    for (const PatternRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.value << " in \"" << row.pattern << "\"");
        EXPECT_EQ(
            zerval::PatternText(row.value, QString::fromUtf8(row.pattern), QChar(row.separator))
                .toStdString(),
            row.expected);
    }
}

TEST(PatternText, FixedDecimals) {
    checkPatterns({
        {2.5, "0.000", u'.', "2.500"},
        {2.5, "0.000", u',', "2,500"},
        {-2.5, "0.000", u'.', "-2.500"},
        {0.0005, "0.000", u'.', "0.001"},
        {-0.0005, "0.000", u'.', "-0.001"},
        // Rounded to zero, a negative value shows no minus.
        {-0.0004, "0.000", u'.', "0.000"},
        {0.0, "0.000", u'.', "0.000"},
        {0.05, "0.000", u'.', "0.050"},
        // Carries through every digit.
        {9.9996, "0.000", u'.', "10.000"},
        {-9.9996, "0.000", u'.', "-10.000"},
        {0.99995, "0.0000", u'.', "1.0000"},
        {999.9995, "0.000", u',', "1000,000"},
        {1e20, "0.000", u'.', "100000000000000000000.000"},
        {1.2, "0.00000", u'.', "1.20000"},
        {1.0, "0.000000", u',', "1,000000"},
        {2.5, "0", u'.', "3"},
        {-2.5, "0", u'.', "-3"},
        {0.4, "0", u'.', "0"},
    });
}

TEST(PatternText, OptionalDigitsAndIntegerPlaceholders) {
    checkPatterns({
        {3.14159, "00.###", u'.', "03.142"},
        {3.14159, "00.###", u',', "03,142"},
        {-3.14159, "00.###", u'.', "-03.142"},
        {7.5, "00.###", u'.', "07.5"},
        {5.0, "00.###", u'.', "05"},
        {59.9996, "00.###", u'.', "60"},
        {123.4, "00.###", u'.', "123.4"},
        {0.0004, "00.###", u'.', "00"},
        {1.23456, "00.####", u'.', "01.2346"},
        {5.5, "00", u'.', "06"},
        {59.5, "00", u'.', "60"},
        {123.0, "00", u'.', "123"},
        {0.0, "00", u'.', "00"},
        {-4.4, "00", u'.', "-04"},
        {-0.4, "00", u'.', "00"},
        {0.5, "0.#######", u'.', "0.5"},
        {1.0, "0.#######", u'.', "1"},
        {1.0 / 3.0, "0.#######", u',', "0,3333333"},
        {0.00000006, "0.#######", u'.', "0.0000001"},
        {0.00000004, "0.#######", u'.', "0"},
        {1.5, "0.0#", u'.', "1.5"},
        {1.25, "0.0#", u'.', "1.25"},
        {1.0, "0.0#", u'.', "1.0"},
        {0.5, "#.##", u'.', ".5"},
        {0.5, ".00", u'.', ".50"},
    });
}

TEST(PatternText, Scientific) {
    checkPatterns({
        {12345.678, "0.0000E+00", u'.', "1.2346E+04"},
        {12345.678, "0.0000E+00", u',', "1,2346E+04"},
        {-12345.678, "0.0000E+00", u'.', "-1.2346E+04"},
        {0.00012345678, "0.0000E+00", u'.', "1.2346E-04"},
        {-0.00012345678, "0.0000E+00", u'.', "-1.2346E-04"},
        {0.0, "0.0000E+00", u'.', "0.0000E+00"},
        {1.0, "0.0000E+00", u'.', "1.0000E+00"},
        {9.99996, "0.0000E+00", u'.', "1.0000E+01"},
        {2.0031e10, "0.0000E+00", u'.', "2.0031E+10"},
        {1e100, "0.0000E+00", u'.', "1.0000E+100"},
        {123456789.0, "0.000000E+00", u'.', "1.234568E+08"},
        {123456789.0, "0.000000E+00", u',', "1,234568E+08"},
        // "E-" writes only a minus; the number of zeros is the least number of digits.
        {12345.0, "0.00E-00", u'.', "1.23E04"},
        {0.0012345, "0.00E-00", u'.', "1.23E-03"},
        {5.0, "0.0E-0", u'.', "5.0E0"},
        {1.5e-7, "0.0E+0", u'.', "1.5E-7"},
        {1.5e-7, "0.0E+000", u'.', "1.5E-007"},
    });
}

TEST(PatternText, OtherCharactersAreCopied) {
    checkPatterns({
        {2.25, "0.0 m", u'.', "2.3 m"},
        {2.25, "0.0 m", u',', "2,3 m"},
        {1.5, "x=0.0", u'.', "x=1.5"},
        {12345.678, "0.0E+00 kg", u'.', "1.2E+04 kg"},
        // Without a zero after it, "E+" is no exponent.
        {1.5, "0.0E+", u'.', "1.5E+"},
        {1.5, "0.0E", u'.', "1.5E"},
        {1.5, "0.0E-x", u'.', "1.5E-x"},
    });
}

} // namespace
