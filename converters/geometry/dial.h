#pragma once

#include <QString>

namespace zerval {

// Where the ray of the angle dial ends. The dial is a circle of `radius` pixels in a square
// image whose y grows downward, so positive angles turn counter-clockwise from the right.
struct DialPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const DialPoint&, const DialPoint&) = default;
};

// The axes that the ray must hit exactly although the computed point, truncated to whole
// pixels, would fall one pixel beside them.
enum class DialAxis { None, Up, Left, Down };

// Which axis the triple's texts name: "90", "180" or "270" whole degrees with "00" minutes
// and "00" seconds.
DialAxis DialAxisOfTriple(const QString& degrees, const QString& minutes, const QString& seconds);

// The angle in radians brought within one turn, keeping its sign.
double ReduceToTurn(double angle);

DialPoint DialRayEnd(double angle, int radius, DialAxis axis);

} // namespace zerval
