#include "converters/steel/bartable.h"
#include "converters/steel/meshformulas.h"
#include "kit/textforms.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>

namespace zerval {
namespace {

// The table's sections are n * pi * d² / 400 rounded to three decimals, written with a comma.
TEST(BarTable, SectionsFollowTheBarArea) {
    for (const BarRow& bar : barTable()) {
        SCOPED_TRACE(bar.diameter);
        const double diameter = QString::fromLatin1(bar.diameter).toDouble();
        for (int bars = 1; bars <= 10; ++bars) {
            const QString expected = QString::number(barSection(bars, diameter), 'f', 3)
                                         .replace(QLatin1Char('.'), QLatin1Char(','));
            EXPECT_EQ(QString::fromLatin1(bar.sections[bars - 1]), expected) << bars << " bars";
        }
    }
}

// The weights are catalogue values: all but three (3, 8 and 32 mm) follow steel at 7850 kg/m³.
TEST(BarTable, WeightsAreTheCatalogueValues) {
    const char* const weights[] = {"0,05", "0,10", "0,15", "0,22", "0,40", "0,62", "0,89",
                                   "1,21", "1,58", "2,47", "3,85", "6,32", "9,86"};
    const char* const diameters[] = {"3",  "4",  "5",  "6",  "8",  "10", "12",
                                     "14", "16", "20", "25", "32", "40"};
    ASSERT_EQ(barTable().size(), std::size(weights));
    for (std::size_t i = 0; i < barTable().size(); ++i) {
        const BarRow& bar = barTable()[i];
        EXPECT_STREQ(bar.diameter, diameters[i]);
        EXPECT_STREQ(bar.weight, weights[i]);
        const double d = QString::fromLatin1(bar.diameter).toDouble();
        const QString bySteel = QString::number(barSection(1, d) * 0.785, 'f', 2)
                                    .replace(QLatin1Char('.'), QLatin1Char(','));
        const bool differs = bySteel != QString::fromLatin1(bar.weight);
        EXPECT_EQ(differs, d == 3 || d == 8 || d == 32) << bar.diameter;
    }
}

struct MeshCase {
    double spacingA;
    double spacingB;
    int diameter;
    const char* sectionA;
    const char* sectionB;
    const char* weight;
};

TEST(MeshFormulas, SectionsAndWeightInThreeDecimals) {
    const MeshCase cases[] = {
        {10, 10, 4, "1.257", "1.257", "2.000"},     {15, 30, 8, "3.351", "1.676", "4.000"},
        {20, 20, 16, "10.053", "10.053", "15.800"}, {30, 25, 5, "0.654", "0.785", "1.100"},
        {25, 15, 6, "1.131", "1.885", "2.347"},     {10, 30, 12, "11.310", "3.770", "11.867"},
        {30, 30, 10, "2.618", "2.618", "4.133"},
    };
    const QChar dot = QLatin1Char('.');
    for (const MeshCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spacingA << " " << c.spacingB << " " << c.diameter);
        const QString pattern = QStringLiteral("0.000");
        EXPECT_EQ(PatternText(thousandths(meshSectionA(c.spacingA, c.diameter)), pattern, dot)
                      .toStdString(),
                  c.sectionA);
        EXPECT_EQ(PatternText(thousandths(meshSectionB(c.spacingB, c.diameter)), pattern, dot)
                      .toStdString(),
                  c.sectionB);
        EXPECT_EQ(
            PatternText(thousandths(meshWeight(c.spacingA, c.spacingB, c.diameter)), pattern, dot)
                .toStdString(),
            c.weight);
    }
}

TEST(MeshFormulas, WeightsPerMetreAreThoseOfTheBarTable) {
    for (const BarRow& bar : barTable()) {
        const int d = QString::fromLatin1(bar.diameter).toInt();
        const std::optional<double> weight = meshBarWeight(d);
        if (!weight) continue;
        EXPECT_EQ(QString::number(*weight, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')),
                  QString::fromLatin1(bar.weight));
    }
    EXPECT_FALSE(meshBarWeight(3));
    EXPECT_FALSE(meshBarWeight(40));
}

} // namespace
} // namespace zerval
