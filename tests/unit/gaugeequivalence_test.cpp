#include "converters/electric/gaugeequivalence.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace zerval;

namespace {

QString rowName(int tag) {
    return tag <= kGaugeRows ? QStringLiteral("A%1").arg(tag)
                             : QStringLiteral("M%1").arg(tag - kGaugeRows);
}

QString setText(int tag) {
    QStringList names;
    for (int row : equivalenceSet(tag))
        names.append(rowName(row));
    return names.join(QLatin1Char(' '));
}

// Row clicked, rows highlighted.
const char* const kSets[] = {
    "A1 M1 M2",        "A2 M2 M3",       "A3 M3",          "A4 M4 M3",        "A5 M4 M5",
    "A6 M5",           "A7 M5 M6",       "A8 M6",          "A9 M6 M7",        "A10 M7",
    "A11 M7 M8",       "A12 M8",         "A13 M8 M9",      "A14 M9",          "A15 M9 M10",
    "A16 M10",         "A17 M10 M11",    "A18 M11",        "A19 M11 M12",     "A20 M12",
    "A21 M12 M13",     "A22 M13 M14",    "A23 M14 M15",    "A24 M15",         "M1 A1",
    "M2 A1 A2",        "M3 A2 A3 A4",    "M4 A4 A5",       "M5 A5 A6 A7",     "M6 A7 A8 A9",
    "M7 A9 A10 A11",   "M8 A11 A12 A13", "M9 A13 A14 A15", "M10 A15 A16 A17", "M11 A17 A18 A19",
    "M12 A19 A20 A21", "M13 A21 A22",    "M14 A22 A23",    "M15 A23 A24",
};

TEST(GaugeEquivalence, EveryRowsSet) {
    static_assert(std::size(kSets) == kLastTag);
    for (int tag = 1; tag <= kLastTag; ++tag)
        EXPECT_EQ(setText(tag), QString::fromLatin1(kSets[tag - 1])) << tag;
}

TEST(GaugeEquivalence, EquivalenceGoesBothWays) {
    for (int tag = 1; tag <= kLastTag; ++tag)
        for (int other : equivalenceSet(tag).mid(1))
            EXPECT_TRUE(equivalenceSet(other).contains(tag))
                << rowName(tag).toStdString() << rowName(other).toStdString();
}

TEST(GaugeEquivalence, NoRowOutsideTheTable) {
    EXPECT_TRUE(equivalenceSet(0).isEmpty());
    EXPECT_TRUE(equivalenceSet(kLastTag + 1).isEmpty());
    EXPECT_TRUE(equivalenceSet(-1).isEmpty());
}

} // namespace
