#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace zerval {

// The old units of the eight Andalusian provinces, as published in 1938, and the rules by
// which the window shows them. Grids are numbered 1 to 11; provinces 0 to 7 are the grid rows
// 1 to 8; units are counted from 0 in the order of the grid's columns.

constexpr int kAndalusianGrids = 11;
constexpr int kProvinces = 8;

const QStringList& andalusianProvinces();

struct AndalusianGrid {
    int number;
    bool provinceColumn; // column 0 names the provinces; units start at column 1
    QStringList units;   // the column headers of the units
    bool groupA;         // grids 1 to 3 (the first sub-tab)
};
const AndalusianGrid& andalusianGrid(int number);

// How many of the unit a province counts in one metric unit (metre, kilogram, litre, square
// or cubic metre): 0 for a unit the province did not have (-1 in grid 4, as published).
double unitsPerMetric(int grid, int province, int unit);
bool unitDefined(int grid, int province, int unit);

// A metric quantity in the unit, and a number of units as a metric quantity, at extended
// precision. Grids 1 and 2 keep the metric amount of one unit and multiply by it.
long double unitsOf(int grid, int province, int unit, long double quantity);
long double quantityOf(int grid, int province, int unit, long double units);

// Decimals of a cell written by a live refresh (grids 6 to 11), and when its tab is shown.
int liveDecimals(int grid, int unit);
int shownDecimals(int grid, int unit);
// Above this a cell is written in scientific notation.
double scientificAbove(int grid, int unit);

// The key filter of the grids and of the boxes beside grids 4 to 11: digits, backspace, one
// separator (".", "," and the locale's own all become it) and a minus in an empty text.
char16_t CellKeyFilter(char16_t key, const QString& text, QChar separator);

} // namespace zerval
