#pragma once

namespace zerval {

// The units of the plane-angle window besides its two hubs. Minutes and seconds of arc are
// converted through the degree hub, the others through the radian hub.
enum class AngleUnit { Minute, Second, Gon, Revolution, RightAngle };

double DegreesFromRadians(double radians);
double RadiansFromDegrees(double degrees);

// A value in `unit` as its hub's value, and back. All raise FloatOverflow beyond a double.
double AngleToHub(AngleUnit unit, double value);
double AngleFromHub(AngleUnit unit, double hub);

} // namespace zerval
