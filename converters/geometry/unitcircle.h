#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <optional>

namespace zerval {

// The ten circular functions, in the order of the window's rows.
enum class TrigFunction {
    Sine,
    Cosine,
    Tangent,
    Cotangent,
    Secant,
    Cosecant,
    Versine,
    Coversine,
    Exsecant,
    Excosecant,
};
inline constexpr int kTrigFunctionCount = 10;

// How a function's segment is painted and whether its row starts ticked.
struct TrigRowStyle {
    int red, green, blue;
    int penWidth;
    bool tickedAtStart;
};
const TrigRowStyle& TrigRow(TrigFunction function);

// The quadrant of an angle already brought within one turn: 0 to 3 counter-clockwise from
// the positive x axis. Every negative angle counts as the fourth (3), as the drawing has
// always done.
int CircleQuadrant(double angle);

// The radius of the drawn circle in whole pixels for the zoom track bar's position: 10 at 0,
// 140 at 50, 270 at 100.
int CircleRadius(int zoomPosition);

// A point or segment of the drawing in pixels (y grows downward). Lengths are kept in
// double so that a tangent of 10^16 stays a number until the segment is clipped.
struct CirclePoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const CirclePoint&, const CirclePoint&) = default;
};
struct CircleSegment {
    CirclePoint from;
    CirclePoint to;
    friend bool operator==(const CircleSegment&, const CircleSegment&) = default;
};

// Everything the window shows of one angle: the ten values, whether each function has a
// segment (its value field shows "- - -" otherwise), the segments, the point on the circle
// and the direction ray.
struct UnitCircleFigure {
    int quadrant = 0;
    std::array<double, kTrigFunctionCount> values{};
    std::array<bool, kTrigFunctionCount> defined{};
    std::array<CircleSegment, kTrigFunctionCount> segments{};
    CirclePoint point;
    CircleSegment ray;

    double value(TrigFunction f) const { return values[size_t(f)]; }
    bool isDefined(TrigFunction f) const { return defined[size_t(f)]; }
    const CircleSegment& segment(TrigFunction f) const { return segments[size_t(f)]; }
};

// The figure of an angle (radians, already within one turn) on a circle of `radius` pixels
// centred at (centreX, centreY).
UnitCircleFigure UnitCircle(double angle, int centreX, int centreY, int radius);

// The part of a segment that lies inside the rectangle, or nothing when it misses it.
std::optional<CircleSegment> ClipSegment(const CircleSegment& segment, double left, double top,
                                         double right, double bottom);

// A value field's text: the value rounded to eight decimals in general format.
QString TrigValueText(double value, QChar separator);
// What a value field shows when its row is not ticked or its segment does not exist.
QString NoTrigValueText();

} // namespace zerval
