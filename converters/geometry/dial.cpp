#include "converters/geometry/dial.h"

#include <cmath>

namespace zerval {

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

DialAxis DialAxisOfTriple(const QString& degrees, const QString& minutes, const QString& seconds) {
    if (minutes != QStringLiteral("00") || seconds != QStringLiteral("00")) return DialAxis::None;
    if (degrees == QStringLiteral("90")) return DialAxis::Up;
    if (degrees == QStringLiteral("180")) return DialAxis::Left;
    if (degrees == QStringLiteral("270")) return DialAxis::Down;
    return DialAxis::None;
}

double ReduceToTurn(double angle) {
    if (angle >= kTwoPi || angle <= -kTwoPi) return std::fmod(angle, kTwoPi);
    return angle;
}

DialPoint DialRayEnd(double angle, int radius, DialAxis axis) {
    const double a = ReduceToTurn(angle);
    if (a == 0.0) return {2 * radius, radius};
    switch (axis) {
    case DialAxis::Up:
        return {radius, 0};
    case DialAxis::Left:
        return {0, radius};
    case DialAxis::Down:
        return {radius, 2 * radius};
    case DialAxis::None:
        break;
    }
    const double r = radius;
    return {static_cast<int>(std::trunc(r + r * std::cos(a))),
            static_cast<int>(std::trunc(r - r * std::sin(a)))};
}

} // namespace zerval
