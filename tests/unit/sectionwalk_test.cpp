#include "converters/electric/sectionwalk.h"

#include <gtest/gtest.h>

using namespace zerval;

namespace {

struct Line {
    double volts, metres, amperes;
    SectionChoice::Kind kind;
    double section;
};

const Line kLines[] = {
    // u = 44: the smallest section.
    {220, 10, 10, SectionChoice::Section, 1.5},
    // u = 22: 2.5 meets the drop but carries 19 A only.
    {220, 10, 20, SectionChoice::Section, 4},
    // u = 9.1667: 4 (9.261) just fails the drop.
    {220, 30, 16, SectionChoice::Section, 6},
    // u = 1.2063: 35 mm2 (1.11).
    {380, 100, 63, SectionChoice::Section, 35},
    // u = 4.8: 10 mm2 (3.718).
    {12, 5, 10, SectionChoice::Section, 10},
    // A current equal to the capacity is carried.
    {230, 10, 14, SectionChoice::Section, 1.5},
    {230, 10, 14.01, SectionChoice::Section, 2.5},
    // 340 A fits the largest section only.
    {220, 1, 340, SectionChoice::Section, 240},
    // u = 0.044, below every section.
    {220, 1000, 100, SectionChoice::DropTooSmall, 0},
    {0, 10, 10, SectionChoice::DropTooSmall, 0},
    // The drop is judged first: even 400 A gives the drop message when no section keeps it.
    {220, 1000, 400, SectionChoice::DropTooSmall, 0},
    {220, 1, 400, SectionChoice::CurrentTooHigh, 0},
    // The ends of the double range give no overflow.
    {1e308, 1e-300, 1e-300, SectionChoice::Section, 1.5},
    {1e308, 1e-300, 1e300, SectionChoice::CurrentTooHigh, 0},
    {1e-300, 1e300, 1e300, SectionChoice::DropTooSmall, 0},
};

TEST(SectionWalk, SmallestSectionWithinDropAndCurrent) {
    for (const Line& l : kLines) {
        const SectionChoice got = minimumSection(l.volts, l.metres, l.amperes);
        EXPECT_EQ(got.kind, l.kind) << l.volts << " V " << l.metres << " m " << l.amperes << " A";
        if (l.kind == SectionChoice::Section) {
            EXPECT_EQ(got.section, l.section)
                << l.volts << " V " << l.metres << " m " << l.amperes << " A";
        }
    }
}

TEST(SectionWalk, TableAscends) {
    for (int i = 1; i < kConductorCount; ++i) {
        EXPECT_GT(conductor(i).section, conductor(i - 1).section);
        EXPECT_LT(conductor(i).unitDrop, conductor(i - 1).unitDrop);
        EXPECT_GT(conductor(i).maximumAmps, conductor(i - 1).maximumAmps);
    }
    EXPECT_EQ(conductor(0).section, 1.5);
    EXPECT_EQ(conductor(kConductorCount - 1).maximumAmps, 340);
}

} // namespace
