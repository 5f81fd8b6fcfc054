#include "converters/numeration/basedigits.h"

#include <algorithm>

namespace zerval {

namespace {

constexpr std::uint64_t kLimit = std::uint64_t(1) << 63;

// The value of a character in a base, or -1 when the character ends the reading.
int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        const int value = u - u'0';
        return value < base ? value : 0;
    }
    if (base > 10 && u >= u'A' && u < u'A' + (base - 10)) return 10 + (u - u'A');
    return -1;
}

// digit × base^exponent, or nullopt once it reaches 2^63.
std::optional<std::uint64_t> term(int digit, int base, qsizetype exponent) {
    if (digit == 0) return 0;
    std::uint64_t value = std::uint64_t(digit);
    for (qsizetype i = 0; i < exponent; ++i) {
        if (value > (kLimit - 1) / std::uint64_t(base)) return std::nullopt;
        value *= std::uint64_t(base);
    }
    return value;
}

} // namespace

bool isDigitBase(int base) {
    return base >= 2 && base <= 36;
}

int baseFromText(const QString& text) {
    bool ok = false;
    const int base = text.toInt(&ok);
    return ok ? base : 10;
}

int maxLengthForBase(int base) {
    struct Limit {
        int lastBase;
        int characters;
    };
    static constexpr Limit limits[] = {{1, 12},  {2, 63},  {3, 38},  {4, 30},  {5, 26},
                                       {6, 24},  {7, 22},  {8, 20},  {9, 19},  {10, 18},
                                       {13, 17}, {15, 16}, {18, 15}, {21, 14}, {22, 13}};
    if (base < 2) return 12;
    for (const Limit& limit : limits)
        if (base <= limit.lastBase) return limit.characters;
    return 12;
}

std::optional<std::uint64_t> readInBase(QStringView text, int base) {
    if (!isDigitBase(base)) return 0;
    const qsizetype n = text.size();
    std::uint64_t value = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) return 0;
        const auto part = term(digit, base, n - 1 - i);
        if (!part || *part >= kLimit - value) return std::nullopt;
        value += *part;
    }
    return value;
}

QString writeInBase(std::uint64_t value, int base) {
    if (!isDigitBase(base)) return QString();
    static constexpr char16_t digits[] = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString text;
    do {
        text.append(QChar(digits[value % std::uint64_t(base)]));
        value /= std::uint64_t(base);
    } while (value != 0);
    std::reverse(text.begin(), text.end());
    return text;
}

} // namespace zerval
