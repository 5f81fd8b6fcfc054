#include "converters/geometry/trigangle.h"

#include "kit/checked.h"
#include "kit/textforms.h"

#include <cmath>

namespace zerval {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr long double kTwoOverPi = 0.6366197723675813679L;
constexpr long double kOneSixtieth = 1.0L / 60.0L;
constexpr long double kOneThirtySixHundredth = 1.0L / 3600.0L;
constexpr long double kOneHundredEightieth = 1.0L / 180.0L;

InverseOutcome angle(long double radians) {
    return {InverseOutcome::Kind::Angle, static_cast<double>(radians), QString()};
}

InverseOutcome refused(const char* message) {
    return {InverseOutcome::Kind::Refused, 0.0, QString::fromUtf8(message)};
}

} // namespace

SexagesimalParts SplitDegrees(long double degrees) {
    const Ext d = checked(degrees);
    const Ext a = Ext(std::fabs(d.raw()));
    const Ext whole = floorExt(a);
    const Ext minutes = floorExt((a - whole) * Ext(60));
    const double secondsRaw = (((a - whole) * Ext(60) - minutes) * Ext(60)).toDouble();
    SexagesimalParts parts;
    parts.negative = d < Ext(0);
    parts.degrees = whole.toDouble();
    parts.minutes = minutes.toDouble();
    parts.seconds = static_cast<double>(RoundToScale(secondsRaw, 100));
    if (parts.seconds >= 60.0) {
        parts.seconds = 0.0;
        parts.minutes += 1.0;
    }
    if (parts.minutes >= 60.0) {
        parts.minutes = 0.0;
        parts.degrees = (Ext(parts.degrees) + Ext(1)).toDouble();
    }
    return parts;
}

SexagesimalParts SplitRadians(double angle) {
    return SplitDegrees((Ext(angle) * Ext(90) * Ext(kTwoOverPi)).raw());
}

double TripleRadians(double degrees, double minutes, double seconds, bool negative) {
    const Ext magnitude = Ext(std::fabs(degrees)) + Ext(minutes) * Ext(kOneSixtieth) +
                          Ext(seconds) * Ext(kOneThirtySixHundredth);
    const Ext radians = magnitude * Ext(kPi) * Ext(kOneHundredEightieth);
    return (negative ? -radians : radians).toDouble();
}

SexagesimalParts StepOneDegree(const SexagesimalParts& triple) {
    SexagesimalParts next = triple;
    const double whole = std::fabs(triple.degrees);
    if (!triple.negative) {
        next.degrees = (Ext(whole) + Ext(1)).toDouble();
        return next;
    }
    if (whole >= 1.0) {
        next.degrees = whole - 1.0;
        next.negative = next.degrees != 0.0 || next.minutes != 0.0 || next.seconds != 0.0;
        return next;
    }
    const Ext magnitude = Ext(whole) + Ext(triple.minutes) * Ext(kOneSixtieth) +
                          Ext(triple.seconds) * Ext(kOneThirtySixHundredth);
    return SplitDegrees((Ext(1) - magnitude).raw());
}

InverseOutcome AngleFromFunctionValue(TrigFunction function, double value) {
    const long double v = value;
    switch (function) {
    case TrigFunction::Sine:
        if (v < -1 || v > 1) return refused("Argumento para el arco seno fuera de rango");
        return angle(std::asin(v));
    case TrigFunction::Cosine:
        if (v < -1 || v > 1) return refused("Argumento para el arco coseno fuera de rango");
        return angle(std::acos(v));
    case TrigFunction::Tangent:
        return angle(std::atan(v));
    case TrigFunction::Cotangent:
        if (v == 0) return angle(kPi / 2);
        return angle(std::atan(1 / v));
    case TrigFunction::Secant:
        if (v > -1 && v < 1) return refused("Argumento para el arco secante fuera de rango.");
        return angle(std::acos(1 / v));
    case TrigFunction::Cosecant:
        if (v > -1 && v < 1) return refused("Argumento para el arco cosecante fuera de rango.");
        return angle(std::asin(1 / v));
    case TrigFunction::Versine:
        if (v < 0 || v > 2) return refused("Argumento para el arco seno verso fuera de rango.");
        return angle(std::acos(1 - v));
    case TrigFunction::Coversine:
        if (v < 0 || v > 2) return refused("Argumento para el arco coseno verso fuera de rango.");
        return angle(std::asin(1 - v));
    case TrigFunction::Exsecant: {
        if (v == -1) return refused("La secante externa de un ángulo no puede ser -1.");
        const long double w = 1 / (v + 1);
        if (w < -1 || w > 1)
            return refused("Argumento para el arco secante externa fuera de rango.");
        return angle(std::acos(w));
    }
    case TrigFunction::Excosecant: {
        if (v == -1) return {};
        const long double w = 1 / (v + 1);
        if (w < -1 || w > 1)
            return refused("Argumento para el arco cosecante externo fuera de rango.");
        return angle(std::asin(w));
    }
    }
    return {};
}

} // namespace zerval
