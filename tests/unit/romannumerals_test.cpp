#include "converters/numeration/romannumerals.h"

#include <gtest/gtest.h>

#include <limits>

using namespace zerval;

namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
const char* const kLargestRoman = "IX)CCXXIII)CCCLXXII)XXXVI)DCCCLIV)DCCLXXV)DCCCVII";
const char* const kEighteenNines = "CMXCIX)CMXCIX)CMXCIX)CMXCIX)CMXCIX)CMXCIX";

struct Numeral {
    std::int64_t value;
    const char* roman;
};

const Numeral kNumerals[] = {
    {1, "I"},
    {4, "IV"},
    {9, "IX"},
    {14, "XIV"},
    {40, "XL"},
    {90, "XC"},
    {400, "CD"},
    {900, "CM"},
    {1994, "MCMXCIV"},
    {3999, "MMMCMXCIX"},
    {4000, "IV)"},
    {5000, "V)"},
    {50000, "L)"},
    {1000000, "M)"},
    {1000020, "M)XX"},
    {52000000, "LII))"},
    {999999999, "CMXCIX)CMXCIX)CMXCIX"},
    {999999999999999999, kEighteenNines},
    {kLargest, kLargestRoman},
};

TEST(RomanNumerals, WritesAndReadsBack) {
    for (const Numeral& n : kNumerals) {
        EXPECT_EQ(toRoman(n.value).toStdString(), n.roman) << n.value;
        const RomanReading reading = readRoman(QString::fromLatin1(n.roman));
        EXPECT_EQ(reading.kind, RomanReading::Number) << n.roman;
        EXPECT_EQ(reading.value, n.value) << n.roman;
    }
}

TEST(RomanNumerals, NumbersBelowOneHaveNoRomanForm) {
    for (const std::int64_t value : {std::int64_t(0), std::int64_t(-1), std::int64_t(-5),
                                     std::int64_t(-4000), std::numeric_limits<std::int64_t>::min()})
        EXPECT_EQ(toRoman(value), QString()) << value;
}

struct Reading {
    const char* text;
    RomanReading::Kind kind;
};

TEST(RomanNumerals, RejectsWhatIsNotCanonical) {
    const Reading cases[] = {
        {"", RomanReading::Clear},
        {"XIIZ", RomanReading::Clear},
        {"X ", RomanReading::Clear},
        {"mcm", RomanReading::Clear},
        {")", RomanReading::Unreadable},
        {"Z)", RomanReading::Unreadable},
        {"))", RomanReading::Unreadable},
        {"IIII", RomanReading::NotRoman},
        {"VV", RomanReading::NotRoman},
        {"IC", RomanReading::NotRoman},
        {"MMMM", RomanReading::NotRoman},
        {"XZI", RomanReading::NotRoman},
        {"I)", RomanReading::NotRoman},
        {"M)M", RomanReading::NotRoman},
        // Beyond 64 bits: the sum would wrap round to a negative number.
        {"X))))))", RomanReading::NotRoman},
        {"M))))))", RomanReading::NotRoman},
        {"IX)CCXXIII)CCCLXXII)XXXVI)DCCCLIV)DCCLXXV)DCCCVIII", RomanReading::NotRoman},
        {"I)))))))))))))))))))))))", RomanReading::NotRoman},
    };
    for (const Reading& c : cases)
        EXPECT_EQ(readRoman(QString::fromLatin1(c.text)).kind, c.kind) << '"' << c.text << '"';
}

TEST(RomanNumerals, Messages) {
    EXPECT_EQ(notRomanMessage(QStringLiteral("MMMM")),
              QStringLiteral("MMMM no es un número romano \n(o excede la capacidad de cálculo)."));
    EXPECT_EQ(unreadableRomanMessage(),
              QStringLiteral("Se produjo un error al procesar este número."));
}

} // namespace
