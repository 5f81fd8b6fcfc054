#pragma once

#include <QChar>
#include <QStringView>

#include <optional>

namespace zerval {

// Reads a decimal number as the user types it: leading and trailing blanks, an optional sign,
// digits with the locale's separator, an optional exponent whose digits are read while it
// stays below 500. The value is formed in extended precision; nullopt when the text does not
// convert (including a value beyond the extended range).
std::optional<long double> readNumber(QStringView text, QChar separator);

} // namespace zerval
