#pragma once

#include <QString>

#include <span>
#include <vector>

namespace zerval {

// One laboratory analyte: its names and the two units its results are given in. Names and
// units are shown letter for letter as stored, slips included.
struct Analyte {
    const char16_t* english;
    const char16_t* spanish;
    const char16_t* conventionalUnit;
    const char16_t* siUnit;
    // SI value = conventional value * factor.
    double factor;
};

// The 138 analytes in their stored order (by English name, with two exceptions of long
// standing: alpha1-Antitrypsin among the A-n names, vitamin B6 before B12).
std::span<const Analyte> Analytes();

// The stored index of the analyte with this English name, or -1.
int AnalyteByEnglishName(const QString& english);

// Stored indexes ordered by Spanish name, case-insensitive, accents sorting with their base
// letters, as a Spanish reader looks a name up.
std::vector<int> SpanishOrder();

// The conversions of the two fields, rounded to five decimals, halves upwards. They raise
// FloatError when a result leaves the double range. The value read from a field is taken in
// extended precision, as it was read.
double ConventionalToSI(long double conventional, double factor);
double SIToConventional(long double si, double factor);

} // namespace zerval
