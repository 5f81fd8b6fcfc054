#include "converters/health/heatindex.h"
#include "converters/health/windchill.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

using namespace zerval;

namespace {

// Positions in the lists.
int summerTemperature(int celsius) {
    return celsius - 20;
}
int humidity(int percent) {
    return percent / 5;
}
int winterTemperature(int celsius) {
    return 10 - celsius;
}
int winterWind(int kmPerHour) {
    return kmPerHour / 4;
}

TEST(HeatSensation, TableAndWindCorrection) {
    struct Case {
        int celsius, percent, windClass, sensation;
    };
    const Case cases[] = {
        {20, 0, 0, 16},   {30, 50, 0, 31},  {35, 60, 4, 46},  {20, 0, 4, 12},  {50, 0, 0, 42},
        {50, 100, 0, 55}, {50, 100, 4, 58}, {20, 100, 0, 21}, {29, 15, 1, 27}, {28, 15, 1, 25},
        {33, 35, 2, 34},  {39, 5, 2, 36},   {49, 20, 3, 56},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HeatSensation(summerTemperature(c.celsius), humidity(c.percent), c.windClass),
                  c.sensation)
            << c.celsius << " °C " << c.percent << " % class " << c.windClass;
}

TEST(HeatSensation, RowsGrowWithTheTemperatureAndStopAt55) {
    for (int h = 0; h < kSummerHumidities; ++h) {
        int previous = 0;
        for (int t = 0; t < kSummerTemperatures; ++t) {
            const int value = *HeatSensation(t, h, 0);
            EXPECT_GE(value, previous) << t << " " << h;
            EXPECT_LE(value, 55);
            previous = value;
        }
    }
}

TEST(HeatSensation, PositionsOutsideTheListsGiveNothing) {
    EXPECT_FALSE(HeatSensation(-1, 0, 0));
    EXPECT_FALSE(HeatSensation(31, 0, 0));
    EXPECT_FALSE(HeatSensation(0, 21, 0));
    EXPECT_FALSE(HeatSensation(0, -1, 0));
    EXPECT_FALSE(HeatSensation(0, 0, 5));
}

TEST(HeatSensation, WindClassesFollowTheSeparator) {
    const QStringList comma = {"0 a 12,0", "12,5 a 21,0", "21,5 a 36,0", "36,5 a 50,0",
                               "50,5 a ..."};
    const QStringList point = {"0 a 12.0", "12.5 a 21.0", "21.5 a 36.0", "36.5 a 50.0",
                               "50.5 a ..."};
    for (int c = 0; c < kWindClasses; ++c) {
        EXPECT_EQ(WindClassText(c, QLatin1Char(',')), comma[c]);
        EXPECT_EQ(WindClassText(c, QLatin1Char('.')), point[c]);
        EXPECT_EQ(WindClassText(c, QChar(0x066B)), point[c]);
    }
}

TEST(HeatSensation, DangerBandsAreInclusive) {
    struct Case {
        int sensation;
        int red, green, blue;
        const char* caption;
        bool note;
    };
    const Case cases[] = {
        {58, 255, 0, 255, "Extremo peligro:", true},
        {55, 255, 0, 255, "Extremo peligro:", true},
        {54, 255, 0, 0, "Peligro:", true},
        {40, 255, 0, 0, "Peligro:", true},
        {39, 255, 255, 0, "Precaución extrema:", true},
        {32, 255, 255, 0, "Precaución extrema:", true},
        {31, 0, 255, 0, "Precaución:", true},
        {27, 0, 255, 0, "Precaución:", true},
        {26, 0, 255, 255, "Bueno:", false},
        {12, 0, 255, 255, "Bueno:", false},
    };
    for (const Case& c : cases) {
        const DangerBand band = HeatDanger(c.sensation);
        EXPECT_EQ(band.red, c.red) << c.sensation;
        EXPECT_EQ(band.green, c.green) << c.sensation;
        EXPECT_EQ(band.blue, c.blue) << c.sensation;
        EXPECT_EQ(QString::fromUtf16(band.caption).toStdString(), c.caption) << c.sensation;
        EXPECT_EQ(band.note, c.note) << c.sensation;
    }
    EXPECT_EQ(QString::fromUtf16(HeatDanger(40).advice),
              QStringLiteral(" Insolación, golpe de calor, calambres. \n Muy posibles por "
                             "exposición prolongada o actividad física."));
}

TEST(WindChill, FormulaAndItsTwoSpecialWinds) {
    struct Case {
        int celsius, kmPerHour;
        double chill;
        int shown;
    };
    const Case cases[] = {
        {0, 20, -9.68334268416173, -10},
        {10, 4, 9.410627895629178, 9},
        {-50, 64, -98.38438543393218, -99},
        {10, 0, 10, 10},
        {-50, 0, -50, -50},
        {-15, 20, -29.084862086053427, -30},
        {-26, 60, -59.783099013533146, -60},
        {-28, 48, -60.22114758634129, -61},
    };
    for (const Case& c : cases) {
        const std::optional<long double> chill =
            WindChill(winterTemperature(c.celsius), winterWind(c.kmPerHour));
        ASSERT_TRUE(chill);
        EXPECT_NEAR(double(*chill), c.chill, 1e-9) << c.celsius << " " << c.kmPerHour;
        EXPECT_EQ(int(std::floor(*chill)), c.shown) << c.celsius << " " << c.kmPerHour;
    }
    EXPECT_FALSE(WindChill(61, 0));
    EXPECT_FALSE(WindChill(0, 17));
    EXPECT_FALSE(WindChill(-1, 0));
}

// The bands meet: nothing between -30 and -29 is left without a band, nor below -100.
TEST(WindChill, EveryValueHasABand) {
    struct Case {
        long double chill;
        int red, green, blue;
        const char* caption;
    };
    const Case cases[] = {
        {10, 0, 255, 255, "¡Buenos días!"},      {7.51L, 0, 255, 255, "¡Buenos días!"},
        {7.5L, 0, 255, 0, "Peligro:"},           {-28.99L, 0, 255, 0, "Peligro:"},
        {-29, 255, 255, 0, "Muy peligroso"},     {-29.5L, 255, 255, 0, "Muy peligroso"},
        {-30, 255, 255, 0, "Muy peligroso"},     {-59.99L, 255, 255, 0, "Muy peligroso"},
        {-60, 255, 0, 0, "Extrem. peligroso."},  {-99.99L, 255, 0, 0, "Extrem. peligroso."},
        {-100, 255, 0, 0, "Extrem. peligroso."}, {-150, 255, 0, 0, "Extrem. peligroso."},
    };
    for (const Case& c : cases) {
        const DangerBand band = ColdDanger(c.chill);
        EXPECT_EQ(band.red, c.red) << double(c.chill);
        EXPECT_EQ(band.green, c.green) << double(c.chill);
        EXPECT_EQ(band.blue, c.blue) << double(c.chill);
        EXPECT_EQ(QString::fromUtf16(band.caption).toStdString(), c.caption) << double(c.chill);
    }
    EXPECT_EQ(QString::fromUtf16(ColdDanger(-61).advice),
              QStringLiteral("Las partes del cuerpo expuestas al viento pueden congelarse\nen 30 "
                             "segundos."));
}

} // namespace
