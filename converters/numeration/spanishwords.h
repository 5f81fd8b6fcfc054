#pragma once

#include <QString>

#include <cstdint>

namespace zerval {

// A group of a number as it is spelled: the full form ends the number ("uno"), the short
// form stands before a scale word ("un").
enum class GroupForm { Full, Short };

// The words for a group from 0 to 999; empty for 0 and for anything outside that range.
// `afterVeinti` gives the accented forms that follow "veinti" ("veintidós", "veintiún").
QString SpellGroup(std::int64_t value, GroupForm form, bool afterVeinti = false);

// The largest power of a thousand, from 1 to 10^18, that is not greater than the number.
std::int64_t LeadingScale(std::int64_t number);

// The number in Spanish words on the long scale, "cero" for 0 and for negative numbers. The
// text keeps the blank that follows a final scale word ("doscientos ", "un millón ").
QString SpellNumber(std::int64_t number);

// What the words field shows for the digits field: nothing for an empty field, else the
// spelled number, a text that is not a whole number counting as 0.
QString WordsForDigits(const QString& digits);

} // namespace zerval
