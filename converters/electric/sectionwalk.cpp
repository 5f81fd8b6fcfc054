#include "converters/electric/sectionwalk.h"

#include <array>

namespace zerval {

namespace {

// IEC 60228 sections for household lines, ascending.
constexpr std::array<Conductor, kConductorCount> kConductors = {{
    {1.5, 24.175, 14},
    {2.5, 14.831, 19},
    {4, 9.261, 26},
    {6, 6.216, 31},
    {10, 3.718, 42},
    {16, 2.359, 57},
    {25, 1.516, 71},
    {35, 1.11, 91},
    {50, 0.837, 120},
    {70, 0.598, 161},
    {95, 0.449, 200},
    {120, 0.367, 225},
    {150, 0.309, 245},
    {185, 0.259, 285},
    {240, 0.211, 340},
}};

} // namespace

const Conductor& conductor(int index) {
    return kConductors.at(std::size_t(index));
}

SectionChoice minimumSection(double volts, double metres, double amperes) {
    // Extended precision throughout: with doubles at both ends of their range the quotient
    // could leave the double range, never the extended one.
    const long double allowedDrop = static_cast<long double>(volts) * 2 * 0.01L;
    const long double kilometres = static_cast<long double>(metres) * 0.001L;
    const long double maximumUnitDrop = allowedDrop / (kilometres * amperes);

    for (const Conductor& c : kConductors) {
        if (c.unitDrop > maximumUnitDrop) continue;
        // This and every larger section keep the drop; the first that carries the current
        // is the answer.
        if (amperes > kConductors.back().maximumAmps) return {SectionChoice::CurrentTooHigh, 0.0};
        if (amperes <= c.maximumAmps) return {SectionChoice::Section, c.section};
    }
    return {SectionChoice::DropTooSmall, 0.0};
}

} // namespace zerval
