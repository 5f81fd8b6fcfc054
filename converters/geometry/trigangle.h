#pragma once

#include "converters/geometry/sexagesimal.h"
#include "converters/geometry/unitcircle.h"

#include <QString>

namespace zerval {

// The angle of the trigonometric window as a sexagesimal triple: whole degrees, minutes and
// seconds rounded to hundredths, with the carries of a rounded 60. Raises FloatOverflow when
// the degrees do not fit a double (radians beyond about 3e306).
SexagesimalParts SplitRadians(double angle);
// The same from signed decimal degrees.
SexagesimalParts SplitDegrees(long double degrees);

// The triple read back into radians: |degrees| + minutes/60 + seconds/3600, negative when
// the degree text begins with "-".
double TripleRadians(double degrees, double minutes, double seconds, bool negative);

// One step of the animation: the signed angle grows by one degree. A positive angle or a
// negative one of a degree or more keeps its minutes and seconds as typed; a negative angle
// under one degree crosses zero and is split afresh.
SexagesimalParts StepOneDegree(const SexagesimalParts& triple);

// What a value typed into a function's field does to the angle: sets it, is refused with a
// message, or (a cosecant excess of -1) changes nothing.
struct InverseOutcome {
    enum class Kind { Angle, Refused, Unchanged };
    Kind kind = Kind::Unchanged;
    double angle = 0.0;
    QString message;
};
InverseOutcome AngleFromFunctionValue(TrigFunction function, double value);

} // namespace zerval
