#pragma once

#include <QString>

namespace zerval {

// The address that opens a position, in decimal degrees, in the online map: the map
// service's path and query with both coordinates rounded to six significant digits and
// written with four decimals and a point.
QString MapLinkAddress(double latitude, double longitude);

} // namespace zerval
