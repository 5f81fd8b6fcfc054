#pragma once

#include <optional>

namespace zerval {

// A theoretical welded mesh of equal bars in both directions: spacing in cm, diameter in mm.

// Steel section per metre of one direction (cm²/m): bars per metre times the area of a bar.
double meshSectionA(double spacing, double diameter);
double meshSectionB(double spacing, double diameter);
// Weight per square metre (kg/m²): metres of bar in both directions times the weight per metre.
double meshWeight(double spacingA, double spacingB, int diameter);
// The catalogue weight per metre (kg/m) of the diameters a mesh is made of; nullopt for others.
std::optional<double> meshBarWeight(int diameter);
// floor(x * 1000 + 0.5) * 0.001: the three decimals the window shows.
double thousandths(double value);

} // namespace zerval
