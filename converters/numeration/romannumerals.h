#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace zerval {

// The Roman numeral of a number. From 4000 on, a run of letters followed by ")" counts its
// value in thousands, each further ")" another thousand: 4000 is "IV)", 52000000 "LII))".
// A number below 1 has no Roman form and gives the empty text.
QString toRoman(std::int64_t value);

// What the Arabic field shows for a Roman text.
struct RomanReading {
    enum Kind {
        Clear,      // nothing to show: the text is empty or does not end in a Roman symbol
        Number,     // a canonical numeral: `value` is its number
        Unreadable, // the symbols add up to nothing
        NotRoman,   // not the canonical form of its value, or beyond 64 bits
    };
    Kind kind = Clear;
    std::int64_t value = 0;
};
RomanReading readRoman(QStringView text);

// The message for a text that is not a Roman numeral, as the user reads it.
QString notRomanMessage(const QString& text);
QString unreadableRomanMessage();

} // namespace zerval
