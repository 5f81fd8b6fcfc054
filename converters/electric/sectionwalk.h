#pragma once

namespace zerval {

// A standard copper conductor: its section, its voltage drop per ampere and kilometre, and
// the largest current it carries.
struct Conductor {
    double section;     // mm2
    double unitDrop;    // V per A per km
    double maximumAmps; // A
};

constexpr int kConductorCount = 15;
const Conductor& conductor(int index);

// The smallest section of the table whose voltage drop stays within 2 % of the voltage and
// that carries the current.
struct SectionChoice {
    enum Kind {
        Section,        // `section` is the answer
        CurrentTooHigh, // above what the largest section carries
        DropTooSmall,   // not even the largest section keeps the drop within the limit
    };
    Kind kind = Section;
    double section = 0.0;
};
// Length and current are not 0.
SectionChoice minimumSection(double volts, double metres, double amperes);

} // namespace zerval
