#include "converters/numeration/basedigits.h"

#include <gtest/gtest.h>

#include <limits>

using namespace zerval;

namespace {

constexpr std::uint64_t kLargest = std::uint64_t(std::numeric_limits<std::int64_t>::max());

struct Written {
    std::uint64_t value;
    int base;
    const char* text;
};

TEST(BaseDigits, WritesInBase) {
    const Written cases[] = {
        {255, 2, "11111111"},
        {255, 16, "FF"},
        {255, 36, "73"},
        {10, 2, "1010"},
        {0, 10, "0"},
        {0, 2, "0"},
        {35, 36, "Z"},
        {kLargest, 10, "9223372036854775807"},
        {kLargest, 2, "111111111111111111111111111111111111111111111111111111111111111"},
        {kLargest, 36, "1Y2P0IJ32E8E7"},
        {255, 1, ""},
        {255, 37, ""},
        {255, -3, ""},
    };
    for (const Written& c : cases)
        EXPECT_EQ(writeInBase(c.value, c.base).toStdString(), c.text)
            << c.value << " in base " << c.base;
}

struct Read {
    const char* text;
    int base;
    std::optional<std::uint64_t> value;
};

TEST(BaseDigits, ReadsInBase) {
    const Read cases[] = {
        {"255", 10, 255},
        {"FF", 16, 255},
        {"73", 36, 255},
        {"1F", 16, 31},
        {"", 10, 0},
        {"0", 2, 0},
        {"ZZ", 36, 1295},
        // Characters that are not digits of the base end the reading with 0.
        {"FF", 10, 0},
        {"G", 16, 0},
        {"1A", 10, 0},
        {"ff", 16, 0},
        {" 12", 10, 0},
        {"12 ", 10, 0},
        {"-1", 10, 0},
        {"1.5", 10, 0},
        // A decimal digit beyond the base counts as 0.
        {"19", 2, 2},
        {"79", 8, 56},
        {"57", 5, 0},
        // 2^63 - 1 is the largest number a field holds.
        {"9223372036854775807", 10, kLargest},
        {"111111111111111111111111111111111111111111111111111111111111111", 2, kLargest},
        {"1Y2P0IJ32E8E7", 36, kLargest},
        {"9223372036854775808", 10, std::nullopt},
        {"1000000000000000000000000000000000000000000000000000000000000000", 2, std::nullopt},
        {"99999999999999999999999", 10, std::nullopt},
        {"ZZZZZZZZZZZZZ", 36, std::nullopt},
        // Leading zeros beyond 63 places add nothing.
        {"00000000000000000000000000000000000000000000000000000000000000000001", 2, 1},
        // A base without digits reads as nothing.
        {"255", 1, 0},
        {"255", 40, 0},
    };
    for (const Read& c : cases)
        EXPECT_EQ(readInBase(QString::fromLatin1(c.text), c.base), c.value)
            << '"' << c.text << "\" in base " << c.base;
}

TEST(BaseDigits, RoundTripsInEveryBase) {
    const std::uint64_t values[] = {0, 1, 35, 36, 255, 1000000007, 0x123456789ABCDEF, kLargest};
    for (int base = 2; base <= 36; ++base)
        for (const std::uint64_t value : values)
            EXPECT_EQ(readInBase(writeInBase(value, base), base), value)
                << value << " in base " << base;
}

TEST(BaseDigits, MaximumLengths) {
    const std::pair<int, int> cases[] = {
        {2, 63},  {3, 38},  {4, 30},  {5, 26},  {6, 24},  {7, 22},  {8, 20},  {9, 19},
        {10, 18}, {11, 17}, {13, 17}, {14, 16}, {15, 16}, {16, 15}, {18, 15}, {19, 14},
        {21, 14}, {22, 13}, {23, 12}, {36, 12}, {1, 12},  {0, 12},  {-5, 12}, {40, 12},
    };
    for (const auto& [base, length] : cases)
        EXPECT_EQ(maxLengthForBase(base), length) << "base " << base;
}

TEST(BaseDigits, EveryTypedNumberStaysBelowTwoToThe63) {
    for (int base = 2; base <= 36; ++base) {
        const QString topDigit = writeInBase(std::uint64_t(base - 1), base);
        const QString longest = topDigit.repeated(maxLengthForBase(base));
        EXPECT_TRUE(readInBase(longest, base).has_value()) << "base " << base;
    }
}

TEST(BaseDigits, BaseFromText) {
    const std::pair<const char*, int> cases[] = {
        {"10", 10}, {"2", 2}, {"36", 36}, {"1", 1}, {"40", 40}, {"", 10}, {"x", 10}, {"1A", 10},
    };
    for (const auto& [text, base] : cases)
        EXPECT_EQ(baseFromText(QString::fromLatin1(text)), base) << '"' << text << '"';
}

} // namespace
