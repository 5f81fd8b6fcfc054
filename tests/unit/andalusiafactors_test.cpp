#include "converters/historic/andalusiafactors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zerval {
namespace {

enum { Almeria, Cadiz, Cordoba, Granada, Huelva, Jaen, Malaga, Sevilla };

struct Factor {
    int grid;
    int province;
    int unit;
    double expected; // units in one metric unit
};

// Each factor against its published metric amount, worked out by hand.
TEST(AndalusianFactors, UnitsInOneMetricUnit) {
    const Factor cases[] = {
        {1, Almeria, 0, 1 / 0.833},
        {1, Jaen, 0, 1 / 0.839},
        {1, Sevilla, 0, 1 / 0.835905},
        {1, Cadiz, 1, 1 / 5572.699},
        {2, Huelva, 0, 1 / 0.460093},
        {3, Cadiz, 0, 1 / 15.844},
        {3, Jaen, 1, 1 / 14.24},
        {3, Malaga, 2, 1 / 26.97},
        {4, Huelva, 0, 1 / 3689.3323},
        {4, Almeria, 1, 1 / 1118.2336},
        {4, Almeria, 2, 1 / (0.833 * 0.833)},
        {4, Jaen, 2, 1 / (0.839 * 0.839)},
        {5, Almeria, 0, 1 / (0.833 * 0.833 * 0.833)},
        {5, Cordoba, 0, 1 / (0.835905 * 0.835905 * 0.835905)},
        {6, Almeria, 0, 1 / 1.666},
        {6, Jaen, 1, 2 / 1.678},
        {6, Granada, 5, 6 * 1728 / 1.67181},
        {7, Cadiz, 0, 0.0005 / 0.460093},
        {7, Cadiz, 1, 0.01 / 0.460093},
        {7, Cadiz, 2, 0.04 / 0.460093},
        {7, Cadiz, 7, 9216 / 0.460093},
        {8, Almeria, 2, 144 / 261.76},
        {8, Huelva, 3, 256 / 252.48},
        {8, Huelva, 4, 512 / 252.48},
        {8, Sevilla, 5, 2048 / 250.56},
        {9, Malaga, 5, 9216 / 647.28},
        {10, Jaen, 1, 27 / 14.24},
        {10, Cadiz, 3, 400 / 12.52},
        {11, Cordoba, 1, 1.44 / 6121.2287},
        {11, Huelva, 5, 9216 / 3689.3323},
        {11, Sevilla, 6, 82944 / 5944.7248},
    };
    for (const Factor& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "grid " << c.grid << " province " << c.province << " unit " << c.unit);
        EXPECT_NEAR(double(unitsOf(c.grid, c.province, c.unit, 1.0L)), c.expected,
                    c.expected * 1e-12);
        // And back: the units of one metric unit are one metric unit again.
        EXPECT_NEAR(double(quantityOf(c.grid, c.province, c.unit,
                                      unitsOf(c.grid, c.province, c.unit, 1.0L))),
                    1.0, 1e-9);
    }
}

TEST(AndalusianFactors, UnitsAProvinceDidNotHave) {
    for (int p = Cadiz; p <= Sevilla; ++p)
        EXPECT_FALSE(unitDefined(4, p, 1)) << p; // the tahulla, Almería's alone
    EXPECT_TRUE(unitDefined(4, Almeria, 1));
    EXPECT_FALSE(unitDefined(8, Huelva, 2)); // no azumbre in Huelva
    for (int p = Almeria; p <= Sevilla; ++p)
        EXPECT_EQ(unitDefined(8, p, 3), p == Huelva) << p; // the jarro, Huelva's alone
    EXPECT_EQ(unitsPerMetric(4, Cadiz, 1), -1.0);
    EXPECT_EQ(unitsPerMetric(8, Almeria, 3), 0.0);
}

TEST(AndalusianFactors, GridsAndTheirDecimals) {
    EXPECT_EQ(andalusianProvinces().size(), kProvinces);
    EXPECT_EQ(andalusianGrid(7).units.size(), 8);
    EXPECT_FALSE(andalusianGrid(5).provinceColumn);
    EXPECT_TRUE(andalusianGrid(3).groupA);
    EXPECT_FALSE(andalusianGrid(4).groupA);
    EXPECT_EQ(liveDecimals(6, 5), 5);  // Punto
    EXPECT_EQ(liveDecimals(6, 4), 6);  // Línea
    EXPECT_EQ(liveDecimals(7, 7), 5);  // Grano
    EXPECT_EQ(shownDecimals(7, 7), 4); // Grano when the tab is shown
    EXPECT_EQ(shownDecimals(10, 3), 4);
    EXPECT_EQ(liveDecimals(10, 3), 5);
    EXPECT_EQ(liveDecimals(11, 5), 5);
    EXPECT_EQ(liveDecimals(11, 4), 6);
    EXPECT_EQ(scientificAbove(1, 1), 100000.0);
    EXPECT_EQ(scientificAbove(1, 0), 1000000.0);
}

struct KeyCase {
    char16_t key;
    const char* text;
    char16_t delivered;
};

TEST(CellKeyFilter, DigitsOneSeparatorAndALeadingMinus) {
    const QChar comma = QLatin1Char(',');
    const KeyCase cases[] = {
        {u'5', "12", u'5'}, {8, "12", 8},     {u'.', "12", u','}, {u',', "12", u','},
        {u'.', "1,2", 0},   {u'-', "", u'-'}, {u'-', "3", 0},     {u'E', "1", 0},
        {u'e', "1", 0},     {u'+', "", 0},    {u' ', "1", 0},     {u'a', "", 0},
        {u'\'', "1", 0},    {22, "1", 0},     {u'0', "", u'0'},
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(CellKeyFilter(c.key, QString::fromLatin1(c.text), comma), c.delivered)
            << int(c.key) << " into " << c.text;
    EXPECT_EQ(CellKeyFilter(u',', QStringLiteral("12"), QLatin1Char('.')), u'.');
    EXPECT_EQ(CellKeyFilter(u',', QStringLiteral("1.2"), QLatin1Char('.')), 0);
}

} // namespace
} // namespace zerval
