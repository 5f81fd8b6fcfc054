#pragma once

#include <QChar>
#include <QRgb>
#include <QString>
#include <QStringView>

#include <optional>

namespace zerval {

// The twelve colours of the code, from silver (index 0) to white (index 11): digit d is
// colour d + 2, multiplier item k (exponent k - 2) is colour k.
QRgb bandColour(int index);
constexpr int kColourCount = 12;
constexpr int kMultiplierItems = 12;

// The tolerance list: its percent texts and colours. Item 0 stands for a resistor without a
// tolerance band.
constexpr int kToleranceItems = 10;
QString toleranceText(int item);
QRgb toleranceColour(int item);

// The bands of a resistor: three digits (hundreds is 0 on a four-band resistor) and the
// multiplier item, 0 to 11, which multiplies by 10^(item - 2).
struct ResistorBands {
    int hundreds = 0;
    int tens = 0;
    int units = 0;
    int multiplier = 2;
    friend bool operator==(const ResistorBands&, const ResistorBands&) = default;
};

// The largest value in ohms that the value field takes.
constexpr double kLargestOhms = 9.99e11;

// What the value field says, read as far as it reads as a number.
struct OhmsReading {
    enum Kind {
        Ignored,  // a lone "-" or a negative number: nothing changes
        Zero,     // empty, no number at its front, or 0
        Value,    // above 0, up to kLargestOhms
        TooLarge, // above kLargestOhms
    };
    Kind kind = Zero;
    double value = 0.0;
};
// Leading and trailing blanks are ignored; the number is read from the front and ends at the
// first character that cannot continue it, so "4K7" reads as 4. Both "." and the locale's
// separator stand for the decimal point.
OhmsReading readOhms(QStringView text, QChar separator);

// The bands that show a value: the value rounded to two significant digits on four bands,
// three on five (two when the value has no third, up to 99 ohms, and below one ohm, where a
// third is cut); from 0.01 to 0.1 ohm one digit.
// Below 0.01 ohm every digit is 0 at x0.01; nullopt when the decade lies beyond the
// multiplier band (from 10^11 on four bands).
std::optional<ResistorBands> bandsForValue(double ohms, bool fourBands);

// The value the bands show.
double valueOfBands(const ResistorBands& bands, bool fourBands);

// The compact notation in which a scale letter stands for the decimal point: 4K7, 470R,
// 0R47, 2M2, 1G. Zero is "0R"; nullopt for values between 0 and 0.01, which it cannot write.
std::optional<QString> codeNotation(double ohms, QChar separator);

} // namespace zerval
