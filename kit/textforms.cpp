#include "kit/textforms.h"

#include "kit/checked.h"

#include <charconv>
#include <cmath>
#include <string>

namespace zerval {

namespace {

// Decimal digits of a value rounded to `significant` digits: the digit string without
// trailing zeros and the exponent e of the form 0.d1d2... x 10^e.
struct Decimal {
    bool negative = false;
    std::string digits; // empty for zero
    int exponent = 0;
};

Decimal decimalOf(long double value, int significant) {
    Decimal result;
    if (value == 0.0L) return result;
    // An infinity or a NaN has no digits to show: it is the overflow or invalid operation
    // that produced it.
    checked(value);
    result.negative = value < 0.0L;
    // to_chars ignores the process locale, so the digits are the same under any LC_NUMERIC.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                            std::chars_format::scientific, significant - 1);
    const std::string text(buffer, error == std::errc() ? end : buffer);
    const auto ePos = text.find('e');
    if (ePos == std::string::npos) throw FloatInvalid();
    for (std::size_t i = 0; i < ePos; ++i)
        if (text[i] != '.') result.digits += text[i];
    int exponent = 0;
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    result.exponent = exponent + 1;
    while (!result.digits.empty() && result.digits.back() == '0')
        result.digits.pop_back();
    return result;
}

// Rounds the digit string so that it keeps `kept` digits, halves away from zero.
void roundDigits(Decimal& decimal, int kept) {
    if (kept < 0) {
        decimal.digits.clear();
        return;
    }
    if (int(decimal.digits.size()) <= kept) return;
    const bool up = decimal.digits[std::size_t(kept)] >= '5';
    decimal.digits.resize(std::size_t(kept));
    if (up) {
        int i = kept - 1;
        while (i >= 0 && decimal.digits[std::size_t(i)] == '9') {
            decimal.digits[std::size_t(i)] = '0';
            --i;
        }
        // Nines carried all the way (or nothing kept) give the next power of ten; the
        // zeros behind the new leading one are dropped below.
        if (i < 0) {
            decimal.digits.insert(decimal.digits.begin(), '1');
            decimal.exponent += 1;
        } else {
            decimal.digits[std::size_t(i)] += 1;
        }
    }
    while (!decimal.digits.empty() && decimal.digits.back() == '0')
        decimal.digits.pop_back();
}

char digitAt(const Decimal& decimal, int index) {
    return index >= 0 && index < int(decimal.digits.size()) ? decimal.digits[std::size_t(index)]
                                                            : '0';
}

} // namespace

QString GeneralText(long double value, QChar separator) {
    const Decimal decimal = decimalOf(value, 15);
    if (decimal.digits.empty()) return QStringLiteral("0");
    const int e = decimal.exponent;
    const int count = int(decimal.digits.size());
    QString text;
    if (decimal.negative) text += QLatin1Char('-');
    if (e >= -3 && e <= 15) {
        if (e <= 0) {
            text += QLatin1Char('0');
            text += separator;
            text += QString(-e, QLatin1Char('0'));
            text += QString::fromLatin1(decimal.digits.c_str());
        } else {
            for (int i = 0; i < e; ++i)
                text += QLatin1Char(digitAt(decimal, i));
            if (count > e) {
                text += separator;
                text += QString::fromLatin1(decimal.digits.c_str() + e);
            }
        }
    } else {
        text += QLatin1Char(decimal.digits[0]);
        if (count > 1) {
            text += separator;
            text += QString::fromLatin1(decimal.digits.c_str() + 1);
        }
        text += QLatin1Char('E');
        text += QString::number(e - 1);
    }
    return text;
}

double RoundedValue(double value, int decimals) {
    const long double scale = std::pow(10.0L, decimals);
    const double shifted = narrow(checked(value * scale + 0.5L));
    // The step is the extended constant 10^-d, multiplied rather than divided by.
    return narrow(checked(std::floor(shifted) * (1.0L / scale)));
}

QString RoundedText(double value, int decimals, QChar separator) {
    return GeneralText(RoundedValue(value, decimals), separator);
}

QString ResultText(double value, QChar separator) {
    return RoundedText(value, 6, separator);
}

long double RoundToScale(double value, int scale) {
    const double shifted = narrow(checked(static_cast<long double>(scale) * value + 0.5L));
    return std::floor(shifted) / static_cast<long double>(scale);
}

QString PatternText(double value, const QString& pattern, QChar separator) {
    // The pattern: literal prefix, integer placeholders, optional '.' and decimal
    // placeholders, optional exponent "E+00"/"E-00", literal suffix.
    auto isPlaceholder = [](QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('#'); };
    qsizetype i = 0;
    QString prefix;
    while (i < pattern.size() && !isPlaceholder(pattern[i]) && pattern[i] != QLatin1Char('.'))
        prefix += pattern[i++];
    QString integerPart, fractionPart;
    while (i < pattern.size() && isPlaceholder(pattern[i]))
        integerPart += pattern[i++];
    bool hasPoint = false;
    if (i < pattern.size() && pattern[i] == QLatin1Char('.')) {
        hasPoint = true;
        ++i;
        while (i < pattern.size() && isPlaceholder(pattern[i]))
            fractionPart += pattern[i++];
    }
    bool scientific = false, alwaysSign = false;
    int exponentDigits = 0;
    if (i + 1 < pattern.size() &&
        (pattern[i] == QLatin1Char('E') || pattern[i] == QLatin1Char('e')) &&
        (pattern[i + 1] == QLatin1Char('+') || pattern[i + 1] == QLatin1Char('-'))) {
        qsizetype j = i + 2;
        while (j < pattern.size() && pattern[j] == QLatin1Char('0'))
            ++j;
        if (j > i + 2) {
            scientific = true;
            alwaysSign = pattern[i + 1] == QLatin1Char('+');
            exponentDigits = int(j - i - 2);
            i = j;
        }
    }
    const QString suffix = pattern.mid(i);

    const int minimumInteger = int(integerPart.size() - integerPart.indexOf(QLatin1Char('0')));
    const int zeroInteger = integerPart.contains(QLatin1Char('0')) ? minimumInteger : 0;
    const int decimals = int(fractionPart.size());
    const int requiredDecimals = int(fractionPart.lastIndexOf(QLatin1Char('0')) + 1);

    Decimal decimal = decimalOf(value, 15);
    QString body;
    if (scientific) {
        const int integerDigits = std::max<int>(1, int(integerPart.size()));
        int exponent = 0;
        if (!decimal.digits.empty()) {
            roundDigits(decimal, integerDigits + decimals);
            exponent = decimal.exponent - integerDigits;
        }
        for (int k = 0; k < integerDigits; ++k)
            body += QLatin1Char(digitAt(decimal, k));
        QString fraction;
        for (int k = 0; k < decimals; ++k)
            fraction += QLatin1Char(digitAt(decimal, integerDigits + k));
        while (fraction.size() > requiredDecimals && fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
        if (!fraction.isEmpty()) body += separator + fraction;
        body += QLatin1Char('E');
        if (exponent < 0)
            body += QLatin1Char('-');
        else if (alwaysSign)
            body += QLatin1Char('+');
        QString digits = QString::number(std::abs(exponent));
        while (digits.size() < exponentDigits)
            digits.prepend(QLatin1Char('0'));
        body += digits;
    } else {
        roundDigits(decimal, decimal.exponent + decimals);
        const int e = decimal.digits.empty() ? 0 : decimal.exponent;
        QString integer;
        for (int k = 0; k < e; ++k)
            integer += QLatin1Char(digitAt(decimal, k));
        while (integer.size() < zeroInteger)
            integer.prepend(QLatin1Char('0'));
        QString fraction;
        for (int k = 0; k < decimals; ++k)
            fraction += QLatin1Char(digitAt(decimal, e + k));
        while (fraction.size() > requiredDecimals && fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
        body = integer;
        if (hasPoint && !fraction.isEmpty()) body += separator + fraction;
    }
    const bool negative = decimal.negative && !decimal.digits.empty();
    return prefix + (negative ? QStringLiteral("-") : QString()) + body + suffix;
}

} // namespace zerval
