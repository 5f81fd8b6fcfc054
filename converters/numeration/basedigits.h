#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace zerval {

// Bases that have digits: 2 to 36, the digits "0" to "9" then "A" to "Z".
bool isDigitBase(int base);

// The base typed into a base box: its text as a whole number, 10 when it is not one.
int baseFromText(const QString& text);

// How many characters the user may type in a field of this base, so that every typed
// number stays below 2^63.
int maxLengthForBase(int base);

// The number a field shows in a base. A character that is not a digit of the base ends the
// reading with 0 for the whole text; a decimal digit beyond a base below 10 counts as 0.
// nullopt when the number reaches 2^63. A base without digits reads every text as 0.
std::optional<std::uint64_t> readInBase(QStringView text, int base);

// The number written in a base, letters in upper case; empty for a base without digits.
QString writeInBase(std::uint64_t value, int base);

} // namespace zerval
