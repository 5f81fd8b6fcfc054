#pragma once

#include <QChar>
#include <QString>

namespace zerval {

// The general number format: at most 15 significant digits, fixed notation from 0.0001 up
// to 15 integer digits, scientific notation ("1.5E-5", "1E15") beyond.
QString GeneralText(long double value, QChar separator);

// The value rounded to six decimals, halves towards plus infinity, in general format.
QString ResultText(double value, QChar separator);

// The same rounding to another number of decimals: floor(x * 10^d + 0.5) * 10^-d.
QString RoundedText(double value, int decimals, QChar separator);
double RoundedValue(double value, int decimals);

// floor(scale * x + 0.5) / scale, the product narrowed to a double before the floor.
long double RoundToScale(double value, int scale);

// A value in a picture pattern such as "0.0000E+00", "0.000" or "00.###".
QString PatternText(double value, const QString& pattern, QChar separator);

} // namespace zerval
