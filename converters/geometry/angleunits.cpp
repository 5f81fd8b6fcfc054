#include "converters/geometry/angleunits.h"

#include "kit/checked.h"

namespace zerval {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr long double kOneOverPi = 0.318309886183790671538L;
constexpr long double kOneOver180 = 1.0L / 180.0L;
constexpr long double kOneSixtieth = 1.0L / 60.0L;
constexpr long double kOneThirtySixHundredth = 1.0L / 3600.0L;

} // namespace

double DegreesFromRadians(double radians) {
    return (Ext(radians) * Ext(180) * Ext(kOneOverPi)).toDouble();
}

double RadiansFromDegrees(double degrees) {
    return (Ext(degrees) * Ext(kPi) * Ext(kOneOver180)).toDouble();
}

double AngleToHub(AngleUnit unit, double value) {
    const Ext x(value);
    switch (unit) {
    case AngleUnit::Minute:
        return (x * Ext(kOneSixtieth)).toDouble();
    case AngleUnit::Second:
        return (x * Ext(kOneThirtySixHundredth)).toDouble();
    case AngleUnit::Gon:
        return (x * Ext(0.005L) * Ext(kPi)).toDouble();
    case AngleUnit::Revolution:
        return (x * Ext(2) * Ext(kPi)).toDouble();
    case AngleUnit::RightAngle:
        return (x * Ext(kPi) * Ext(0.5L)).toDouble();
    }
    return 0.0;
}

double AngleFromHub(AngleUnit unit, double hub) {
    const Ext x(hub);
    switch (unit) {
    case AngleUnit::Minute:
        return (x * Ext(60)).toDouble();
    case AngleUnit::Second:
        return (x * Ext(3600)).toDouble();
    case AngleUnit::Gon:
        return (x * Ext(200) * Ext(kOneOverPi)).toDouble();
    case AngleUnit::Revolution:
        return (x * Ext(0.5L) * Ext(kOneOverPi)).toDouble();
    case AngleUnit::RightAngle:
        return (x * Ext(kOneOverPi) * Ext(2)).toDouble();
    }
    return 0.0;
}

} // namespace zerval
