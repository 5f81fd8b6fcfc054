#pragma once

#include <QString>
#include <QStringList>

namespace zerval {

// The pages of the currency window's list, in the order of its entries. The first is the
// currency-conversion page, which the window loads when it is activated.
QStringList currencyPageCaptions();

// What the window navigates to for entry `index` of the list: an address, or for the last
// entry a text for the web search made from the user's name. Empty for an index outside the
// list.
QString currencyPageTarget(int index, const QString& userName);

// The longest address the window lets its browser load: a longer one, from the list, a link or
// a frame, is stopped before it loads.
constexpr int kLongestAllowedAddress = 250;
bool isAllowedAddress(const QString& address);

} // namespace zerval
