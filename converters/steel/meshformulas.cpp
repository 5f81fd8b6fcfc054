#include "converters/steel/meshformulas.h"

#include <cmath>
#include <numbers>

namespace zerval {

// The two directions group their products differently; both orders are kept so that the
// last digit of a rounding never differs from the catalogue's.
double meshSectionA(double spacing, double diameter) {
    return diameter * (100.0 / spacing * diameter * 0.0025) * std::numbers::pi;
}

double meshSectionB(double spacing, double diameter) {
    return diameter * (100.0 / spacing * diameter) * 0.0025 * std::numbers::pi;
}

std::optional<double> meshBarWeight(int diameter) {
    switch (diameter) {
    case 4:
        return 0.1;
    case 5:
        return 0.15;
    case 6:
        return 0.22;
    case 8:
        return 0.4;
    case 10:
        return 0.62;
    case 12:
        return 0.89;
    case 16:
        return 1.58;
    default:
        return std::nullopt;
    }
}

double meshWeight(double spacingA, double spacingB, int diameter) {
    const std::optional<double> weight = meshBarWeight(diameter);
    return (100.0 / spacingA + 100.0 / spacingB) * weight.value_or(0.0);
}

double thousandths(double value) {
    return std::floor(value * 1000.0 + 0.5) * 0.001;
}

} // namespace zerval
