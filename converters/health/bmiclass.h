#pragma once

#include <QString>

namespace zerval {

// The body mass index of a weight in kilograms and a height in metres, rounded to two
// decimals, halves upwards. Raises FloatError when the index leaves the double range.
double BodyMassIndex(double weightKg, double heightMetres);

// The class of a (rounded) index. Bounds belong to the class above them; a negative index
// falls in the first class.
QString BodyMassClass(double index);

} // namespace zerval
