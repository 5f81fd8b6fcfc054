#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace zerval {

// Whole numbers as the fraction windows read them from a field: leading blanks, an optional
// sign and decimal digits, nothing else; nullopt for any other text or a number beyond the type.
std::optional<std::int64_t> ReadWhole64(const QString& text);
std::optional<std::int32_t> ReadWhole32(const QString& text);

// Largest millimetres that convert to inches and a fraction, and largest millimetres that the
// inch fields may give; beyond them the inch window tells the user to stop.
constexpr long double kMaxMillimetresToInches = 1e20L;
constexpr long double kMaxMillimetresFromInches = 1e300L;

// A length as whole inches (a floor: -10 mm is -1 in and 39/64) and a reduced fraction.
struct InchFraction {
    std::int64_t inches = 0;
    int numerator = 0;
    int denominator = 1;
};

// Millimetres snapped to the nearest 1/precision of an inch, halves up, the fraction reduced
// and a rounded-up whole inch carried. |millimetres| must not exceed kMaxMillimetresToInches.
InchFraction SnapMillimetres(double millimetres, int precision);

// (numerator / denominator + inches) x 25.4 at extended precision; FloatError when it is not
// finite.
long double MillimetresFromInches(long double inches, int numerator, int denominator);

// Decimal inches of a length in millimetres.
long double InchesFromMillimetres(long double millimetres);

// A length as feet, whole inches and a reduced fraction of an inch.
struct FeetInches {
    double feet = 0.0;
    double inches = 0.0;
    int numerator = 0;
    int denominator = 1;
};

// Beyond 2^53 feet a double no longer holds every whole foot, so the inches and the fraction
// left over would be noise: such lengths are refused rather than split.
constexpr long double kMaxSplitFeet = 9007199254740992.0L;

// Decimal feet of centimetres with the nudge that lets a length a hair below a whole foot
// count as that foot.
long double NudgedFeet(long double centimetres);

// Centimetres as whole feet and whole inches, the inches truncated; nullopt when the feet do
// not fit a 64-bit whole number.
std::optional<FeetInches> SplitWholeInches(long double centimetres);

// Centimetres as whole feet, whole inches and the nearest 1/precision of an inch, halves up,
// reduced, carried into the inches and the feet; nullopt beyond kMaxSplitFeet.
std::optional<FeetInches> SplitInchFraction(long double centimetres, int precision);

// feet x 30.48 + inches x 2.54 + numerator / denominator x 2.54 at extended precision;
// FloatError when it is not finite.
long double CentimetresFromFeet(long double feet, long double inches, int numerator,
                                int denominator);

// Decimal feet of a length in centimetres.
long double FeetFromCentimetres(long double centimetres);

} // namespace zerval
