#pragma once

#include <QList>

namespace zerval {

// The rows of the table of equivalences are numbered by tag: the American gauges from 4/0
// down to 20 are tags 1 to 24, the IEC 60228 sections from 120 mm2 down to 0.5 mm2 are tags
// 25 to 39.
constexpr int kGaugeRows = 24;
constexpr int kSectionRows = 15;
constexpr int kFirstSectionTag = kGaugeRows + 1;
constexpr int kLastTag = kGaugeRows + kSectionRows;

// The rows highlighted when the row with this tag is clicked: the row itself first, then its
// nearest equivalents in the other standard. Empty for a tag that names no row.
QList<int> equivalenceSet(int tag);

} // namespace zerval
