#include "converters/geometry/sexagesimal.h"

#include "kit/checked.h"
#include "kit/numbersyntax.h"
#include "kit/textforms.h"

#include <cmath>

namespace zerval {

namespace {

constexpr long double kOneSixtieth = 1.0L / 60.0L;
constexpr long double kOneThirtySixHundredth = 1.0L / 3600.0L;

} // namespace

SexagesimalParts SplitSexagesimal(double angle) {
    SexagesimalParts parts;
    parts.negative = angle < 0.0;
    const Ext magnitude = Ext(std::fabs(angle));
    Ext degrees = floorExt(magnitude);
    Ext minutes = floorExt((magnitude - degrees) * Ext(60));
    Ext seconds =
        floorExt((magnitude - degrees - minutes * Ext(kOneSixtieth)) * Ext(3600) * Ext(1000) +
                 Ext(0.5L)) *
        Ext(0.001L);
    parts.seconds = seconds.toDouble();
    if (parts.seconds == 60.0) {
        parts.seconds = 0.0;
        minutes = minutes + Ext(1);
    }
    parts.minutes = minutes.toDouble();
    if (parts.minutes == 60.0) {
        parts.minutes = 0.0;
        degrees = degrees + Ext(1);
    }
    parts.degrees = degrees.toDouble();
    return parts;
}

QString WholeDegreesText(const SexagesimalParts& parts, QChar separator) {
    if (parts.negative && parts.degrees == 0.0) return QStringLiteral("-0");
    return GeneralText(parts.negative ? -parts.degrees : parts.degrees, separator);
}

QString MinutesText(double minutes, QChar separator) {
    return PatternText(minutes, QStringLiteral("00"), separator);
}

QString SecondsText(double seconds, const QString& pattern, QChar separator) {
    return PatternText(seconds, pattern, separator);
}

double JoinSexagesimal(double degrees, double minutes, double seconds, bool negative) {
    const Ext magnitude = Ext(std::fabs(degrees)) + Ext(minutes) * Ext(kOneSixtieth) +
                          Ext(seconds) * Ext(kOneThirtySixHundredth);
    return (negative ? -magnitude : magnitude).toDouble();
}

double TripleFieldValue(const QString& text, QChar separator) {
    const std::optional<long double> value = readNumber(text, separator);
    if (!value || std::fabs(*value) > 1.7e308L) return 0.0;
    return static_cast<double>(*value);
}

double WholeTripleFieldValue(const QString& text, QChar separator) {
    return std::trunc(TripleFieldValue(text, separator));
}

CarriedTriple CarrySeconds(double degrees, double minutes, double seconds) {
    CarriedTriple result{degrees, minutes, seconds};
    if (seconds >= 60.0) {
        const double carried = std::floor(seconds / 60.0);
        result.seconds = seconds - 60.0 * carried;
        result.minutes = minutes + carried;
    }
    return CarryMinutes(result.degrees, result.minutes, result.seconds);
}

CarriedTriple CarryMinutes(double degrees, double minutes, double seconds) {
    CarriedTriple result{degrees, minutes, seconds};
    if (minutes >= 60.0) {
        const double carried = std::trunc(minutes / 60.0);
        result.minutes = minutes - 60.0 * carried;
        result.degrees = degrees + carried;
    }
    return result;
}

} // namespace zerval
