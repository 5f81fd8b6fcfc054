#include "converters/numeration/romannumerals.h"

#include <optional>

namespace zerval {

namespace {

struct Symbol {
    int value;
    const char16_t* text;
};

constexpr Symbol kSymbols[] = {{1000, u"M"}, {900, u"CM"}, {500, u"D"}, {400, u"CD"}, {100, u"C"},
                               {90, u"XC"},  {50, u"L"},   {40, u"XL"}, {10, u"X"},   {9, u"IX"},
                               {5, u"V"},    {4, u"IV"},   {1, u"I"}};

bool endsInRomanSymbol(QStringView text) {
    return QStringView(u"IVXLCDM)").contains(text.back());
}

// The symbols added up from the left, each ")" multiplying all that was read so far by a
// thousand; nullopt when the sum leaves the 64-bit range.
std::optional<std::int64_t> addUpSymbols(QStringView text) {
    std::int64_t value = 0;
    const auto next = [&](qsizetype i) { return i + 1 < text.size() ? text[i + 1] : QChar(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        std::int64_t added = 0;
        if (c == u')') {
            if (__builtin_mul_overflow(value, std::int64_t(1000), &value)) return std::nullopt;
            continue;
        }
        const auto subtractive = [&](QChar tenfold, std::int64_t before10, QChar fivefold,
                                     std::int64_t before5, std::int64_t alone) {
            if (next(i) == tenfold) {
                ++i;
                return before10;
            }
            if (next(i) == fivefold) {
                ++i;
                return before5;
            }
            return alone;
        };
        switch (c.unicode()) {
        case u'M':
            added = 1000;
            break;
        case u'D':
            added = 500;
            break;
        case u'L':
            added = 50;
            break;
        case u'V':
            added = 5;
            break;
        case u'C':
            added = subtractive(u'M', 900, u'D', 400, 100);
            break;
        case u'X':
            added = subtractive(u'C', 90, u'L', 40, 10);
            break;
        case u'I':
            added = subtractive(u'X', 9, u'V', 4, 1);
            break;
        default:
            break;
        }
        if (__builtin_add_overflow(value, added, &value)) return std::nullopt;
    }
    return value;
}

} // namespace

QString toRoman(std::int64_t value) {
    QString text;
    if (value >= 4000) {
        const std::int64_t thousands = value / 1000;
        text = toRoman(thousands) + u')';
        value -= 1000 * thousands;
    }
    for (const Symbol& symbol : kSymbols) {
        while (value >= symbol.value) {
            text += QStringView(symbol.text);
            value -= symbol.value;
        }
    }
    return text;
}

RomanReading readRoman(QStringView text) {
    if (text.isEmpty() || !endsInRomanSymbol(text)) return {RomanReading::Clear, 0};
    const auto value = addUpSymbols(text);
    if (!value) return {RomanReading::NotRoman, 0};
    const QString canonical = toRoman(*value);
    if (canonical == text) return {RomanReading::Number, *value};
    if (canonical.isEmpty()) return {RomanReading::Unreadable, *value};
    return {RomanReading::NotRoman, *value};
}

QString notRomanMessage(const QString& text) {
    return text + QStringLiteral(" no es un número romano \n(o excede la capacidad de cálculo).");
}

QString unreadableRomanMessage() {
    return QStringLiteral("Se produjo un error al procesar este número.");
}

} // namespace zerval
