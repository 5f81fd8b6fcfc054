#pragma once

#include <array>

namespace zerval {

// One ribbed bar of the reinforcing-steel table: its nominal diameter, its weight per metre
// and the cross-section of 1 to 10 bars, as the table shows them (decimal comma, whatever the
// user's locale).
struct BarRow {
    const char* diameter;     // mm
    const char* weight;       // kg/m, two decimals
    const char* sections[10]; // cm², three decimals, for 1 to 10 bars
};

constexpr int kBarCount = 13;
const std::array<BarRow, kBarCount>& barTable();

// The section of `bars` bars of diameter d mm in cm²: bars * pi * d² / 400.
double barSection(int bars, double diameter);

} // namespace zerval
