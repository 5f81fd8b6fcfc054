#include "kit/numbersyntax.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace zerval {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return locale;
}

} // namespace

std::optional<long double> readNumber(QStringView text, QChar separator) {
    const qsizetype length = text.size();
    qsizetype i = 0;
    while (i < length && text[i] == QLatin1Char(' '))
        ++i;

    std::string normal;
    if (i < length && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-')) normal += '-';
        ++i;
    }
    bool body = false;
    std::string digits;
    while (i < length && isDigit(text[i])) {
        digits += char(text[i].unicode());
        body = true;
        ++i;
    }
    std::string fraction;
    if (i < length && text[i] == separator) {
        body = true;
        ++i;
        while (i < length && isDigit(text[i])) {
            fraction += char(text[i].unicode());
            ++i;
        }
    }
    if (!body) return std::nullopt;

    int exponent = 0;
    bool negativeExponent = false;
    if (i < length && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        ++i;
        if (i < length && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            negativeExponent = text[i] == QLatin1Char('-');
            ++i;
        }
        // Digits are taken only while the exponent is below 500, so "1E500" still reads
        // (and overflows later, when narrowed to a double) while "1E5000" is not a number.
        while (i < length && exponent < 500 && isDigit(text[i])) {
            exponent = exponent * 10 + (text[i].unicode() - '0');
            ++i;
        }
    }
    while (i < length && text[i] == QLatin1Char(' '))
        ++i;
    if (i != length) return std::nullopt;

    normal += digits.empty() ? std::string("0") : digits;
    if (!fraction.empty()) {
        normal += '.';
        normal += fraction;
    }
    normal += 'e';
    if (negativeExponent) normal += '-';
    char exponentText[16];
    normal.append(exponentText,
                  std::to_chars(exponentText, exponentText + sizeof exponentText, exponent).ptr);

    const long double value = strtold_l(normal.c_str(), nullptr, cLocale());
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

} // namespace zerval
