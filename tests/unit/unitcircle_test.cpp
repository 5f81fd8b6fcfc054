#include "converters/geometry/trigangle.h"
#include "converters/geometry/unitcircle.h"
#include "kit/checked.h"
#include "kit/textforms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zerval {
namespace {

const QChar dot = QLatin1Char('.');
constexpr double kPi = 3.141592653589793;

double degrees(double d) {
    return d * kPi / 180.0;
}

std::string text(double value) {
    return TrigValueText(value, dot).toStdString();
}

TEST(UnitCircle, QuadrantsCountEveryNegativeAngleAsTheFourth) {
    const struct {
        double angle;
        int quadrant;
    } cases[] = {
        {0.0, 0},
        {kPi / 4, 0},
        {kPi / 2, 1},
        {3 * kPi / 4, 1},
        {kPi, 2},
        {4.7123889803846, 2},
        {4.71238898038469, 3},
        {5.5, 3},
        {-0.1, 3},
        {-3.0, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        EXPECT_EQ(CircleQuadrant(c.angle), c.quadrant);
    }
}

TEST(UnitCircle, ZoomGivesTheRadiusInWholePixels) {
    EXPECT_EQ(CircleRadius(0), 10);
    EXPECT_EQ(CircleRadius(1), 12);
    EXPECT_EQ(CircleRadius(50), 140);
    EXPECT_EQ(CircleRadius(99), 267);
    EXPECT_EQ(CircleRadius(100), 270);
}

// The value texts of the ten functions, as the window shows them with every box ticked.
TEST(UnitCircle, ValuesInEachQuadrant) {
    const struct {
        double angle;
        const char* texts[kTrigFunctionCount];
    } cases[] = {
        {degrees(30),
         {"0.5", "0.8660254", "0.57735027", "1.73205081", "1.15470054", "2", "0.1339746", "0.5",
          "0.15470054", "1"}},
        // The versines run to the nearer side: negative on the left and below.
        {degrees(120),
         {"0.8660254", "-0.5", "-1.73205081", "-0.57735027", "-2", "1.15470054", "-0.5",
          "0.1339746", "1", "0.15470054"}},
        {degrees(210),
         {"-0.5", "-0.8660254", "0.57735027", "1.73205081", "-1.15470054", "-2", "-0.1339746",
          "-0.5", "0.15470054", "1"}},
        {degrees(300),
         {"-0.8660254", "0.5", "-1.73205081", "-0.57735027", "2", "-1.15470054", "0.5",
          "-0.1339746", "1", "0.15470054"}},
        // A negative angle counts as the fourth quadrant whatever its half.
        {degrees(-120),
         {"-0.8660254", "-0.5", "1.73205081", "0.57735027", "-2", "-1.15470054", "1.5",
          "-0.1339746", "1", "0.15470054"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        const UnitCircleFigure figure = UnitCircle(c.angle, 300, 280, 140);
        for (int f = 0; f < kTrigFunctionCount; ++f) {
            SCOPED_TRACE(f);
            EXPECT_TRUE(figure.defined[f]);
            EXPECT_EQ(text(figure.values[f]), c.texts[f]);
        }
    }
}

TEST(UnitCircle, SegmentsInEachQuadrant) {
    using F = TrigFunction;
    const struct {
        double angle;
        CirclePoint point, tangent, cotangent, versine, coversine;
    } cases[] = {
        // sin 30° is a hair under one half: 69 pixels, not 70.
        {degrees(30), {421, 211}, {440, 200}, {542, 140}, {439, 211}, {421, 140}},
        {degrees(120), {231, 159}, {160, 38}, {220, 140}, {160, 159}, {231, 140}},
        {degrees(210), {179, 350}, {160, 360}, {58, 420}, {160, 350}, {179, 420}},
        {degrees(300), {370, 401}, {440, 522}, {380, 420}, {439, 401}, {370, 420}},
    };
    const CirclePoint centre{300, 280};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        const UnitCircleFigure figure = UnitCircle(c.angle, 300, 280, 140);
        const CirclePoint q = c.point;
        EXPECT_EQ(figure.point, q);
        EXPECT_EQ(figure.segment(F::Sine), (CircleSegment{q, {q.x, 280}}));
        EXPECT_EQ(figure.segment(F::Cosine), (CircleSegment{q, {300, q.y}}));
        EXPECT_EQ(figure.segment(F::Tangent), (CircleSegment{{c.tangent.x, 280}, c.tangent}));
        EXPECT_EQ(figure.segment(F::Cotangent), (CircleSegment{{300, c.cotangent.y}, c.cotangent}));
        EXPECT_EQ(figure.segment(F::Secant), (CircleSegment{centre, c.tangent}));
        EXPECT_EQ(figure.segment(F::Cosecant), (CircleSegment{centre, c.cotangent}));
        EXPECT_EQ(figure.segment(F::Exsecant), (CircleSegment{q, c.tangent}));
        EXPECT_EQ(figure.segment(F::Excosecant), (CircleSegment{q, c.cotangent}));
        EXPECT_EQ(figure.segment(F::Versine), (CircleSegment{q, c.versine}));
        EXPECT_EQ(figure.segment(F::Coversine), (CircleSegment{q, c.coversine}));
    }
    // The direction ray runs a hundred radii out.
    EXPECT_EQ(UnitCircle(degrees(30), 300, 280, 140).ray, (CircleSegment{centre, {12424, -6719}}));
}

TEST(UnitCircle, SegmentsVanishOnTheAxesAndUnderAPixel) {
    using F = TrigFunction;
    const UnitCircleFigure zero = UnitCircle(0.0, 300, 280, 140);
    EXPECT_FALSE(zero.isDefined(F::Cotangent));
    EXPECT_FALSE(zero.isDefined(F::Cosecant));
    EXPECT_FALSE(zero.isDefined(F::Excosecant));
    EXPECT_TRUE(zero.isDefined(F::Tangent));
    EXPECT_TRUE(zero.isDefined(F::Secant));

    for (const double rightAngle : {kPi / 2, 4.71238898038469}) {
        SCOPED_TRACE(rightAngle);
        const UnitCircleFigure figure = UnitCircle(rightAngle, 300, 280, 140);
        EXPECT_FALSE(figure.isDefined(F::Tangent));
        EXPECT_FALSE(figure.isDefined(F::Secant));
        EXPECT_FALSE(figure.isDefined(F::Exsecant));
        EXPECT_TRUE(figure.isDefined(F::Cotangent));
        EXPECT_TRUE(figure.isDefined(F::Versine));
    }

    // At the smallest zoom the sine of 5° is under a pixel: no cotangent although it exists.
    const UnitCircleFigure small = UnitCircle(degrees(5), 300, 280, CircleRadius(0));
    EXPECT_FALSE(small.isDefined(F::Cotangent));
    EXPECT_EQ(text(small.value(F::Cotangent)), "11.4300523");
    EXPECT_TRUE(UnitCircle(degrees(5), 300, 280, 140).isDefined(F::Cotangent));
}

// A hundredth of a second short of a right angle, at the largest zoom: the tangent is five
// billion pixels long, beyond any int, and its value still right.
TEST(UnitCircle, LongSegmentsStayNumbersAndAreClipped) {
    const double angle = TripleRadians(89, 59, 59.99, false);
    const UnitCircleFigure figure = UnitCircle(angle, 300, 280, 270);
    const CircleSegment tangent = figure.segment(TrigFunction::Tangent);
    EXPECT_TRUE(figure.isDefined(TrigFunction::Tangent));
    EXPECT_EQ(text(figure.value(TrigFunction::Tangent)), "20626480.6325635");
    EXPECT_LT(tangent.to.y, -5e9);
    const auto clipped = ClipSegment(tangent, -16, -16, 616, 576);
    ASSERT_TRUE(clipped.has_value());
    EXPECT_EQ(*clipped, (CircleSegment{{570, 280}, {570, -16}}));

    // The secant from the centre keeps its direction when cut.
    const auto secant = ClipSegment({{300, 280}, {440, -5e9}}, -16, -16, 616, 576);
    ASSERT_TRUE(secant.has_value());
    EXPECT_EQ(secant->to.y, -16);
    EXPECT_NEAR(secant->to.x, 300 + 140 * 296 / (5e9 + 280), 1e-9);
}

TEST(UnitCircle, ClipSegment) {
    const struct {
        CircleSegment segment;
        std::optional<CircleSegment> clipped;
    } cases[] = {
        {{{10, 10}, {90, 50}}, CircleSegment{{10, 10}, {90, 50}}},   // inside
        {{{-50, 50}, {150, 50}}, CircleSegment{{0, 50}, {100, 50}}}, // across
        {{{50, 50}, {50, 1e18}}, CircleSegment{{50, 50}, {50, 100}}},
        {{{-10, -10}, {-20, 200}}, std::nullopt}, // beside
        {{{200, 0}, {300, 100}}, std::nullopt},
        {{{40, 40}, {40, 40}}, CircleSegment{{40, 40}, {40, 40}}}, // a point
        {{{-50, 150}, {150, -50}}, CircleSegment{{0, 100}, {100, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.segment.from.x);
        EXPECT_EQ(ClipSegment(c.segment, 0, 0, 100, 100), c.clipped);
    }
}

TEST(UnitCircle, ValueTexts) {
    EXPECT_EQ(text(0.49999999999999994), "0.5");
    EXPECT_EQ(text(-0.000000004), "0");
    EXPECT_EQ(text(-0.000000006), "-1E-8");
    EXPECT_EQ(text(1.633123935319537e16), "1.63312393531954E16");
    EXPECT_EQ(text(std::numeric_limits<double>::infinity()), "- - -");
    EXPECT_EQ(NoTrigValueText().toStdString(), "- - -");
    EXPECT_EQ(TrigValueText(0.8660254037844387, QLatin1Char(',')).toStdString(), "0,8660254");
}

std::string tripleText(const SexagesimalParts& parts) {
    return WholeDegreesText(parts, dot).toStdString() + " " +
           MinutesText(parts.minutes, dot).toStdString() + " " +
           SecondsText(parts.seconds, QStringLiteral("00.###"), dot).toStdString();
}

TEST(TrigAngle, SplitRadiansToHundredthsOfASecond) {
    const struct {
        double radians;
        const char* triple;
    } cases[] = {
        {1.0, "57 17 44.81"},
        {1.5707963267949, "90 00 00"},
        {0.5235987755982988, "30 00 00"},
        {-0.00872664625997165, "-0 30 00"},
        {-0.523598758145006, "-30 00 00"}, // -29.999999°: both carries
        {6.45771823237902, "370 00 00"},
        {0.0, "0 00 00"},
        {1e300, "5.72957795130823E301 00 00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radians);
        EXPECT_EQ(tripleText(SplitRadians(c.radians)), c.triple);
    }
    EXPECT_THROW(SplitRadians(1e307), FloatOverflow);
    EXPECT_THROW(SplitRadians(-1.7e308), FloatOverflow);
}

TEST(TrigAngle, TripleToRadians) {
    EXPECT_EQ(GeneralText(TripleRadians(30, 0, 0, false), dot).toStdString(), "0.523598775598299");
    EXPECT_EQ(TripleRadians(90, 0, 0, false), kPi / 2);
    EXPECT_EQ(TripleRadians(270, 0, 0, false), 4.71238898038469);
    EXPECT_EQ(GeneralText(TripleRadians(0, 30, 0, true), dot).toStdString(),
              "-0.00872664625997165");
    // The sign comes from the degree text, not from the number of degrees.
    EXPECT_EQ(TripleRadians(-10, 30, 0, true), -TripleRadians(10, 30, 0, false));
    EXPECT_EQ(GeneralText(TripleRadians(1.7e308, 1e308, 1e308, false), dot).toStdString(),
              "2.99663336293804E306");
}

TEST(TrigAngle, AnimationStepsTheSignedAngleOneDegreeUp) {
    const struct {
        SexagesimalParts from;
        const char* to;
    } cases[] = {
        {{10, 30, 0, false}, "11 30 00"},
        {{0, 0, 0, false}, "1 00 00"},
        {{10, 30, 0, true}, "-9 30 00"},
        {{1, 30, 0, true}, "-0 30 00"},
        {{1, 0, 0, true}, "0 00 00"},
        {{0, 30, 0, true}, "0 30 00"},
        {{0, 10, 20.5, true}, "0 49 39.5"},
        {{0, 75, 0, true}, "-0 15 00"}, // typed minutes past the hour
        {{359, 0, 44.806, false}, "360 00 44.806"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(tripleText(c.from));
        EXPECT_EQ(tripleText(StepOneDegree(c.from)), c.to);
    }
}

TEST(TrigAngle, InverseFunctions) {
    using F = TrigFunction;
    using K = InverseOutcome::Kind;
    const struct {
        F function;
        double value;
        K kind;
        double degrees;
        const char* message;
    } cases[] = {
        {F::Sine, 0.5, K::Angle, 30, ""},
        {F::Sine, -1, K::Angle, -90, ""},
        {F::Sine, 1.0000001, K::Refused, 0, "Argumento para el arco seno fuera de rango"},
        {F::Cosine, 0.5, K::Angle, 60, ""},
        {F::Cosine, -2, K::Refused, 0, "Argumento para el arco coseno fuera de rango"},
        {F::Tangent, 1, K::Angle, 45, ""},
        {F::Tangent, 1e308, K::Angle, 90, ""},
        {F::Cotangent, 0, K::Angle, 90, ""},
        {F::Cotangent, -1, K::Angle, -45, ""},
        {F::Cotangent, 1e-320, K::Angle, 90, ""},
        {F::Secant, 2, K::Angle, 60, ""},
        {F::Secant, 0, K::Refused, 0, "Argumento para el arco secante fuera de rango."},
        {F::Secant, -0.99, K::Refused, 0, "Argumento para el arco secante fuera de rango."},
        {F::Cosecant, 2, K::Angle, 30, ""},
        {F::Cosecant, 0.5, K::Refused, 0, "Argumento para el arco cosecante fuera de rango."},
        {F::Versine, 1, K::Angle, 90, ""},
        {F::Versine, 2.5, K::Refused, 0, "Argumento para el arco seno verso fuera de rango."},
        {F::Coversine, 1, K::Angle, 0, ""},
        {F::Coversine, -0.1, K::Refused, 0, "Argumento para el arco coseno verso fuera de rango."},
        {F::Exsecant, 1, K::Angle, 60, ""},
        {F::Exsecant, -2, K::Angle, 180, ""},
        {F::Exsecant, -1, K::Refused, 0, "La secante externa de un ángulo no puede ser -1."},
        {F::Exsecant, -0.5, K::Refused, 0,
         "Argumento para el arco secante externa fuera de rango."},
        {F::Excosecant, 1, K::Angle, 30, ""},
        {F::Excosecant, -1, K::Unchanged, 0, ""},
        {F::Excosecant, -1.5, K::Refused, 0,
         "Argumento para el arco cosecante externo fuera de rango."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.function));
        SCOPED_TRACE(c.value);
        const InverseOutcome outcome = AngleFromFunctionValue(c.function, c.value);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(outcome.message.toStdString(), c.message);
        if (c.kind == K::Angle) {
            EXPECT_NEAR(outcome.angle, degrees(c.degrees), 1e-12);
        }
    }
}

} // namespace
} // namespace zerval
