#include "converters/geometry/angleunits.h"
#include "converters/geometry/dial.h"
#include "converters/geometry/maplink.h"
#include "converters/geometry/sexagesimal.h"
#include "kit/checked.h"
#include "kit/textforms.h"

#include <gtest/gtest.h>

#include <string>

namespace zerval {
namespace {

const QChar dot = QLatin1Char('.');

struct SplitCase {
    double angle;
    const char* pattern;
    const char* degrees;
    const char* minutes;
    const char* seconds;
};

TEST(Sexagesimal, SplitWithItsCarries) {
    const SplitCase cases[] = {
        {57.2957795130823, "00.###", "57", "17", "44.806"},
        {29.99999999, "00.###", "30", "00", "00"},   // 60 seconds and then 60 minutes carry
        {-29.99999999, "00.###", "-30", "00", "00"}, // the sign after the carries
        {-0.5, "00.###", "-0", "30", "00"},
        {90.0000000000002, "00.###", "90", "00", "00"},
        {40.416775, "00.####", "40", "25", "00.39"},
        {-3.70379, "00.####", "-3", "42", "13.644"},
        {0, "00.###", "0", "00", "00"},
        {1e19, "00.###", "1E19", "00", "00"}, // far beyond any whole-number type
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        const SexagesimalParts parts = SplitSexagesimal(c.angle);
        EXPECT_EQ(WholeDegreesText(parts, dot).toStdString(), c.degrees);
        EXPECT_EQ(MinutesText(parts.minutes, dot).toStdString(), c.minutes);
        EXPECT_EQ(SecondsText(parts.seconds, QString::fromLatin1(c.pattern), dot).toStdString(),
                  c.seconds);
    }
    EXPECT_EQ(SecondsText(44.806, QStringLiteral("00.###"), QLatin1Char(',')).toStdString(),
              "44,806");
}

TEST(Sexagesimal, JoinReadsTheSignFromTheDegreeText) {
    EXPECT_EQ(GeneralText(JoinSexagesimal(0, 31, 0, true), dot).toStdString(),
              "-0.516666666666667");
    EXPECT_EQ(GeneralText(JoinSexagesimal(-10, 30, 0, true), dot).toStdString(), "-10.5");
    EXPECT_EQ(GeneralText(JoinSexagesimal(10, 7, 0, false), dot).toStdString(), "10.1166666666667");
    EXPECT_EQ(JoinSexagesimal(11, 15, 0, false), 11.25);
    EXPECT_EQ(GeneralText(JoinSexagesimal(6, 1, 5, false), dot).toStdString(), "6.01805555555556");
}

TEST(Sexagesimal, CarriesOfTypedMinutesAndSeconds) {
    struct Case {
        double degrees, minutes, seconds;
        bool throughSeconds;
        double wantDegrees, wantMinutes, wantSeconds;
    };
    const Case cases[] = {
        {10, 75, 0, false, 11, 15, 0},    {10, 125, 0, false, 12, 5, 0},
        {5, 59, 125, true, 6, 1, 5},      {5, 30, 125, true, 5, 32, 5},
        {0, 0, 7200, true, 2, 0, 0}, // the minutes carried may themselves carry in full
        {3, 20, 59.5, true, 3, 20, 59.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.degrees << " " << c.minutes << " " << c.seconds);
        const CarriedTriple carried = c.throughSeconds
                                          ? CarrySeconds(c.degrees, c.minutes, c.seconds)
                                          : CarryMinutes(c.degrees, c.minutes, c.seconds);
        EXPECT_EQ(carried.degrees, c.wantDegrees);
        EXPECT_EQ(carried.minutes, c.wantMinutes);
        EXPECT_EQ(carried.seconds, c.wantSeconds);
    }
}

TEST(Sexagesimal, FieldsThatAreNotNumbersCountAsZero) {
    EXPECT_EQ(TripleFieldValue(QStringLiteral("12"), dot), 12.0);
    EXPECT_EQ(TripleFieldValue(QStringLiteral("10.5"), dot), 10.5);
    EXPECT_EQ(TripleFieldValue(QStringLiteral("1,5"), QLatin1Char(',')), 1.5);
    EXPECT_EQ(TripleFieldValue(QStringLiteral(""), dot), 0.0);
    EXPECT_EQ(TripleFieldValue(QStringLiteral("abc"), dot), 0.0);
    EXPECT_EQ(TripleFieldValue(QStringLiteral("1E400"), dot), 0.0);
    // Read as a whole number, a fraction is dropped and the sign kept.
    EXPECT_EQ(WholeTripleFieldValue(QStringLiteral("10.5"), dot), 10.0);
    EXPECT_EQ(WholeTripleFieldValue(QStringLiteral("-10,9"), QLatin1Char(',')), -10.0);
    EXPECT_EQ(WholeTripleFieldValue(QStringLiteral("abc"), dot), 0.0);
}

TEST(AngleUnits, OneRadianInEveryUnit) {
    const double degrees = DegreesFromRadians(1);
    EXPECT_EQ(GeneralText(degrees, dot).toStdString(), "57.2957795130823");
    const struct {
        AngleUnit unit;
        double hub;
        const char* text;
    } cases[] = {
        {AngleUnit::Minute, degrees, "3437.746771"},
        {AngleUnit::Second, degrees, "206264.806247"},
        {AngleUnit::Gon, 1, "63.661977"},
        {AngleUnit::Revolution, 1, "0.159155"},
        {AngleUnit::RightAngle, 1, "0.63662"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResultText(AngleFromHub(c.unit, c.hub), dot).toStdString(), c.text);
    EXPECT_EQ(GeneralText(DegreesFromRadians(1.5707963267949), dot).toStdString(),
              "90.0000000000002");
}

TEST(AngleUnits, EachUnitReachesItsHub) {
    EXPECT_EQ(AngleToHub(AngleUnit::Minute, 90), 1.5);
    EXPECT_EQ(AngleToHub(AngleUnit::Second, 5400), 1.5);
    EXPECT_DOUBLE_EQ(AngleToHub(AngleUnit::Gon, 100), 3.141592653589793 / 2);
    EXPECT_DOUBLE_EQ(AngleToHub(AngleUnit::Revolution, 1), 2 * 3.141592653589793);
    EXPECT_DOUBLE_EQ(AngleToHub(AngleUnit::RightAngle, 2), 3.141592653589793);
    EXPECT_DOUBLE_EQ(RadiansFromDegrees(180), 3.141592653589793);
}

TEST(AngleUnits, ResultsBeyondADoubleRaise) {
    EXPECT_THROW(AngleFromHub(AngleUnit::Second, 1e306), FloatOverflow);
    EXPECT_THROW(AngleToHub(AngleUnit::Revolution, 1e308), FloatOverflow);
    // The seconds of 1e299 degrees fit, their rounding to six decimals does not.
    EXPECT_THROW(ResultText(AngleFromHub(AngleUnit::Second, 1e299), dot), FloatOverflow);
}

TEST(Dial, RayEnds) {
    const double pi = 3.141592653589793;
    const struct {
        double angle;
        DialAxis axis;
        DialPoint end;
    } cases[] = {
        {0, DialAxis::None, {130, 65}},
        {1.5707963267949, DialAxis::None, {64, 0}}, // truncation puts it a pixel off
        {1.5707963267949, DialAxis::Up, {65, 0}},
        {pi, DialAxis::None, {0, 64}},
        {pi, DialAxis::Left, {0, 65}},
        {3 * pi / 2, DialAxis::Down, {65, 130}},
        {-pi / 2, DialAxis::None, {65, 130}},
        {2 * pi, DialAxis::None, {130, 65}}, // a whole turn is no turn
        {2 * pi, DialAxis::Up, {130, 65}},
        {4 * pi + pi / 4, DialAxis::None, {110, 19}},
        {-pi / 4, DialAxis::None, {110, 110}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        const DialPoint end = DialRayEnd(c.angle, 65, c.axis);
        EXPECT_EQ(end.x, c.end.x);
        EXPECT_EQ(end.y, c.end.y);
    }
}

TEST(Dial, ExactAxesFromTheTriple) {
    const auto axis = [](const char* d, const char* m, const char* s) {
        return DialAxisOfTriple(QString::fromLatin1(d), QString::fromLatin1(m),
                                QString::fromLatin1(s));
    };
    EXPECT_EQ(axis("90", "00", "00"), DialAxis::Up);
    EXPECT_EQ(axis("180", "00", "00"), DialAxis::Left);
    EXPECT_EQ(axis("270", "00", "00"), DialAxis::Down);
    EXPECT_EQ(axis("90", "00", "01"), DialAxis::None);
    EXPECT_EQ(axis("-90", "00", "00"), DialAxis::None);
    EXPECT_EQ(axis("0", "00", "00"), DialAxis::None);
}

TEST(MapLink, CoordinatesWithFourDecimalsAfterSixDigits) {
    EXPECT_EQ(
        MapLinkAddress(40.416775, -3.70379).toStdString(),
        "https://maps.google.com/maps?ll=40.4168,-3.7038&spn=0.01,0.01&t=h&q=40.4168,-3.7038");
    const std::string far = MapLinkAddress(123.456789, 0).toStdString();
    EXPECT_NE(far.find("ll=123.4570,0.0000&"), std::string::npos) << far;
}

} // namespace
} // namespace zerval
