#include "converters/electric/gaugeequivalence.h"

#include <array>

namespace zerval {

namespace {

// Tags of the IEC 60228 rows.
constexpr int M(int row) {
    return kGaugeRows + row;
}

// Each row's nearest equivalents in the other standard, in the order the table lists them;
// 0 fills a shorter list.
using Equivalents = std::array<int, 3>;

constexpr std::array<Equivalents, kGaugeRows> kGaugeEquivalents = {{
    {M(1), M(2)},   {M(2), M(3)}, {M(3)},         {M(4), M(3)},   {M(4), M(5)},   {M(5)},
    {M(5), M(6)},   {M(6)},       {M(6), M(7)},   {M(7)},         {M(7), M(8)},   {M(8)},
    {M(8), M(9)},   {M(9)},       {M(9), M(10)},  {M(10)},        {M(10), M(11)}, {M(11)},
    {M(11), M(12)}, {M(12)},      {M(12), M(13)}, {M(13), M(14)}, {M(14), M(15)}, {M(15)},
}};

constexpr std::array<Equivalents, kSectionRows> kSectionEquivalents = {{
    {1},
    {1, 2},
    {2, 3, 4},
    {4, 5},
    {5, 6, 7},
    {7, 8, 9},
    {9, 10, 11},
    {11, 12, 13},
    {13, 14, 15},
    {15, 16, 17},
    {17, 18, 19},
    {19, 20, 21},
    {21, 22},
    {22, 23},
    {23, 24},
}};

} // namespace

QList<int> equivalenceSet(int tag) {
    if (tag < 1 || tag > kLastTag) return {};
    const Equivalents& equivalents = tag <= kGaugeRows
                                         ? kGaugeEquivalents[std::size_t(tag - 1)]
                                         : kSectionEquivalents[std::size_t(tag - kFirstSectionTag)];
    QList<int> rows{tag};
    for (int row : equivalents)
        if (row != 0) rows.append(row);
    return rows;
}

} // namespace zerval
