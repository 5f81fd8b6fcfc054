#pragma once

#include <QChar>
#include <QString>

namespace zerval {

// An angle as the three fields of a sexagesimal triple: whole degrees, minutes and seconds
// as magnitudes, the sign kept apart so that an angle under one degree can show "-0".
struct SexagesimalParts {
    double degrees = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;
    bool negative = false;
};

// Splits an angle in decimal degrees. The seconds are rounded to thousandths; a rounded 60
// seconds carries into the minutes and 60 minutes into the degrees. No integer conversion is
// made, so any finite angle splits.
SexagesimalParts SplitSexagesimal(double angle);

// The whole-degree field: signed, "-0" for a negative angle under one degree.
QString WholeDegreesText(const SexagesimalParts& parts, QChar separator);
// The minute field, "00".
QString MinutesText(double minutes, QChar separator);
// The second field in a pattern such as "00.###" or "00.####".
QString SecondsText(double seconds, const QString& pattern, QChar separator);

// Reads a triple back into decimal degrees: |degrees| + minutes/60 + seconds/3600, negated
// when `negative` (the degree text begins with "-"). Raises FloatOverflow beyond a double.
double JoinSexagesimal(double degrees, double minutes, double seconds, bool negative);

// A triple field's text as a number; 0 when it is not one (an empty or mangled field).
double TripleFieldValue(const QString& text, QChar separator);
// The same read as a whole number: the fraction of a decimal text is dropped ("10.5" counts as
// 10), so that a triple field read this way never holds a part the triple cannot show.
double WholeTripleFieldValue(const QString& text, QChar separator);

// The carries of a triple typed by the user, on magnitudes: seconds of 60 or more become
// minutes, minutes of 60 or more become degrees.
struct CarriedTriple {
    double degrees = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;
};
CarriedTriple CarrySeconds(double degrees, double minutes, double seconds);
CarriedTriple CarryMinutes(double degrees, double minutes, double seconds);

} // namespace zerval
