#include "converters/lengths/fractions.h"

#include "kit/checked.h"

#include <cmath>
#include <limits>

namespace zerval {

namespace {

constexpr long double kMillimetresPerInch = 25.4L;
constexpr long double kInchesPerMillimetre = 0.0393700787401574803150L;
constexpr long double kCentimetresPerFoot = 30.48;
constexpr long double kCentimetresPerInch = 2.54;
constexpr long double kFeetPerCentimetre = 0.0328083989501312335958L;
constexpr long double kInchesPerCentimetre = 0.393700787401574803150L;

template <typename Whole> std::optional<Whole> readWhole(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    if (i == text.size()) return std::nullopt;
    // Gathered as a negative number, so that the most negative value of the type reads too.
    Whole value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        const Whole digit = Whole(c.unicode() - '0');
        if (value < (std::numeric_limits<Whole>::min() + digit) / 10) return std::nullopt;
        value = Whole(value * 10 - digit);
    }
    if (negative) return value;
    if (value == std::numeric_limits<Whole>::min()) return std::nullopt;
    return Whole(-value);
}

// Halves a fraction of a power-of-two denominator down to its lowest terms; a numerator
// outside 0..denominator (a length whose remainder has lost its precision) is clamped first,
// so that no fraction above one and no zero denominator can come out.
void reduce(long double steps, int precision, int& numerator, int& denominator) {
    if (!(steps > 0.0L)) steps = 0.0L;
    if (steps > precision) steps = precision;
    numerator = int(steps);
    denominator = numerator == 0 ? 1 : precision;
    while (numerator != 0 && numerator % 2 == 0 && denominator > 1) {
        numerator /= 2;
        denominator /= 2;
    }
}

} // namespace

std::optional<std::int64_t> ReadWhole64(const QString& text) {
    return readWhole<std::int64_t>(text);
}

std::optional<std::int32_t> ReadWhole32(const QString& text) {
    return readWhole<std::int32_t>(text);
}

InchFraction SnapMillimetres(double millimetres, int precision) {
    InchFraction result;
    const long double v = millimetres;
    // The 1e-7 lets a length a hair below a whole inch count as that inch.
    const long double whole = std::floor(checked(v * kInchesPerMillimetre + 0.0000001L));
    if (!(std::fabs(whole) < 9223372036854775808.0L)) throw FloatOverflow();
    result.inches = std::int64_t(whole);
    const double half = double(kMillimetresPerInch / precision * 0.5L);
    const double rest = double(v - result.inches * kMillimetresPerInch);
    if (rest >= 0.0 && rest < half) return result;
    reduce(std::floor(rest * 0.5L / half + 0.5L), precision, result.numerator, result.denominator);
    if (result.numerator == 1 && result.denominator == 1) {
        result.numerator = 0;
        ++result.inches;
    }
    return result;
}

long double MillimetresFromInches(long double inches, int numerator, int denominator) {
    return ((Ext(numerator) / Ext(denominator) + Ext(inches)) * Ext(kMillimetresPerInch)).raw();
}

long double InchesFromMillimetres(long double millimetres) {
    return (Ext(millimetres) * Ext(kInchesPerMillimetre)).raw();
}

long double NudgedFeet(long double centimetres) {
    return checked(centimetres * kFeetPerCentimetre + 0.000000001L);
}

std::optional<FeetInches> SplitWholeInches(long double centimetres) {
    const long double nudged = NudgedFeet(centimetres);
    if (!(std::fabs(std::floor(nudged)) < 9223372036854775808.0L)) return std::nullopt;
    const double ft = double(nudged);
    const double feet = std::floor(ft);
    FeetInches result;
    result.feet = feet;
    result.inches = std::floor((ft - feet) * 12.0L);
    return result;
}

std::optional<FeetInches> SplitInchFraction(long double centimetres, int precision) {
    const long double nudged = NudgedFeet(centimetres);
    if (!(std::fabs(std::floor(nudged)) <= kMaxSplitFeet)) return std::nullopt;
    const double ft = double(nudged);
    const double feet = std::floor(ft);
    FeetInches result;
    result.feet = feet;
    result.inches = std::floor((ft - feet) * 12.0L);
    const double rest =
        double(centimetres * kInchesPerCentimetre - result.feet * 12.0L - result.inches);
    reduce(std::floor(precision * static_cast<long double>(rest) + 0.5L), precision,
           result.numerator, result.denominator);
    if (result.numerator == 1 && result.denominator == 1) {
        result.numerator = 0;
        result.inches += 1.0;
        if (result.inches >= 12.0) {
            result.inches = 0.0;
            result.feet += 1.0;
        }
    }
    return result;
}

long double CentimetresFromFeet(long double feet, long double inches, int numerator,
                                int denominator) {
    return (Ext(inches) * Ext(kCentimetresPerInch) + Ext(feet) * Ext(kCentimetresPerFoot) +
            Ext(numerator) / Ext(denominator) * Ext(kCentimetresPerInch))
        .raw();
}

long double FeetFromCentimetres(long double centimetres) {
    return (Ext(centimetres) * Ext(kFeetPerCentimetre)).raw();
}

} // namespace zerval
