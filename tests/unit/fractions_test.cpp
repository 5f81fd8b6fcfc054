#include "converters/lengths/fractions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace zerval {
namespace {

TEST(Fractions, WholeNumbersReadAsTheFieldsHoldThem) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> whole64;
        std::optional<std::int32_t> whole32;
    };
    const Case cases[] = {
        {"12", 12, 12},
        {"  12", 12, 12},
        {"-5", -5, -5},
        {"+5", 5, 5},
        {"007", 7, 7},
        {"", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {"1.5", std::nullopt, std::nullopt},
        {"12 ", std::nullopt, std::nullopt},
        {"1E3", std::nullopt, std::nullopt},
        {"2147483647", 2147483647, 2147483647},
        {"2147483648", 2147483648LL, std::nullopt},
        {"-2147483648", -2147483648LL, -2147483647 - 1},
        {"9223372036854775807", INT64_MAX, std::nullopt},
        {"9223372036854775808", std::nullopt, std::nullopt},
        {"-9223372036854775808", INT64_MIN, std::nullopt},
        {"99999999999999999999999", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadWhole64(QString::fromUtf8(c.text)), c.whole64);
        EXPECT_EQ(ReadWhole32(QString::fromUtf8(c.text)), c.whole32);
    }
}

TEST(Fractions, MillimetresSnapToTheNearestStep) {
    struct Case {
        double millimetres;
        int precision;
        std::int64_t inches;
        int numerator;
        int denominator;
    };
    const Case cases[] = {
        {25.4, 64, 1, 0, 1},       {12.7, 64, 0, 1, 2},  {3.175, 64, 0, 1, 8},
        {1, 64, 0, 3, 64},         {25.39, 64, 1, 0, 1}, // 64/64 carries into the inches
        {25.3999999, 64, 1, 0, 1},                       // a hair below an inch counts as the inch
        {0.19, 64, 0, 0, 1},                             // just below half a step
        {0.2, 64, 0, 1, 64},                             // just above it
        {-10, 64, -1, 39, 64},                           // whole inches by floor
        {20, 2, 1, 0, 1},                                // 2/2 carries
        {16, 2, 0, 1, 2},          {30, 16, 1, 3, 16},   {1e15, 64, 39370078740157, 31, 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.millimetres);
        const InchFraction snapped = SnapMillimetres(c.millimetres, c.precision);
        EXPECT_EQ(snapped.inches, c.inches);
        EXPECT_EQ(snapped.numerator, c.numerator);
        EXPECT_EQ(snapped.denominator, c.denominator);
    }
}

// Where the remainder has lost its precision the fraction must still be a proper one.
template <typename Fraction> void expectProper(const Fraction& f, int precision) {
    EXPECT_GE(f.numerator, 0);
    EXPECT_GE(f.denominator, 1);
    EXPECT_LE(f.denominator, precision);
    EXPECT_LT(f.numerator, f.denominator + (f.numerator == 0 ? 1 : 0));
    EXPECT_EQ(precision % f.denominator, 0);
}

TEST(Fractions, HugeMillimetresGiveProperFractions) {
    for (const double millimetres : {1e20, -1e20, 9.99e19, 3e18, -7.77e17, 1e19 + 4096}) {
        for (const int precision : {2, 4, 8, 16, 32, 64}) {
            SCOPED_TRACE(millimetres);
            SCOPED_TRACE(precision);
            expectProper(SnapMillimetres(millimetres, precision), precision);
        }
    }
}

TEST(Fractions, CentimetresSplitIntoFeetInchesAndAFraction) {
    struct Case {
        double centimetres;
        int precision;
        double feet;
        double inches;
        int numerator;
        int denominator;
    };
    const Case cases[] = {
        {100, 64, 3, 3, 3, 8},        {170, 64, 5, 6, 59, 64},
        {60.95, 64, 2, 0, 0, 1}, // carries into the inches and the feet
        {30.48, 64, 1, 0, 0, 1},      {2.54, 64, 0, 1, 0, 1},
        {0.0396975, 64, 0, 0, 1, 64}, {-1, 64, -1, 11, 39, 64},
        {100, 2, 3, 3, 1, 2},         {100, 4, 3, 3, 1, 4},
        {51, 32, 1, 8, 3, 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.centimetres);
        const std::optional<FeetInches> split = SplitInchFraction(c.centimetres, c.precision);
        ASSERT_TRUE(split);
        EXPECT_EQ(split->feet, c.feet);
        EXPECT_EQ(split->inches, c.inches);
        EXPECT_EQ(split->numerator, c.numerator);
        EXPECT_EQ(split->denominator, c.denominator);
    }
}

TEST(Fractions, HugeCentimetresSplitProperlyOrNotAtAll) {
    // 2^53 feet is 2.745...E17 cm.
    for (const double centimetres : {1e17, -1e17, 2.7e17, 3.3e15, 1e16 + 7}) {
        for (const int precision : {2, 4, 8, 16, 32, 64}) {
            SCOPED_TRACE(centimetres);
            SCOPED_TRACE(precision);
            const std::optional<FeetInches> split = SplitInchFraction(centimetres, precision);
            ASSERT_TRUE(split);
            expectProper(*split, precision);
            EXPECT_GE(split->inches, 0);
            EXPECT_LT(split->inches, 12);
        }
    }
    for (const long double centimetres : {2.8e17L, -2.8e17L, 1e300L, 1e400L})
        EXPECT_FALSE(SplitInchFraction(centimetres, 64));
}

TEST(Fractions, WholeInchesAreTruncated) {
    const std::optional<FeetInches> thirty = SplitWholeInches(30);
    ASSERT_TRUE(thirty);
    EXPECT_EQ(thirty->feet, 0);
    EXPECT_EQ(thirty->inches, 11);
    const std::optional<FeetInches> far = SplitWholeInches(2.8e20);
    ASSERT_TRUE(far);
    EXPECT_EQ(far->feet, std::floor(2.8e20 / 30.48));
    EXPECT_FALSE(SplitWholeInches(2.9e20));
    EXPECT_FALSE(SplitWholeInches(-1e21));
}

TEST(Fractions, LengthsFromTheirParts) {
    EXPECT_NEAR(double(MillimetresFromInches(3, 5, 16)), 84.1375, 1e-12);
    EXPECT_NEAR(double(MillimetresFromInches(-1, 39, 64)), -9.921875, 1e-12);
    EXPECT_NEAR(double(CentimetresFromFeet(5, 7, 3, 8)), 171.1325, 1e-12);
    EXPECT_NEAR(double(InchesFromMillimetres(100)), 3.937007874015748, 1e-15);
    EXPECT_NEAR(double(FeetFromCentimetres(100)), 3.280839895013123, 1e-15);
}

} // namespace
} // namespace zerval
