#include "converters/electric/colourcode.h"

#include "kit/checked.h"
#include "kit/numbersyntax.h"
#include "kit/textforms.h"

#include <array>
#include <cmath>
#include <string>

namespace zerval {

namespace {

constexpr std::array<QRgb, kColourCount> kColours = {
    0xC0C0C0, // silver
    0xFFD700, // gold
    0x000000, // black
    0x800000, // brown
    0xFF0000, // red
    0xFF8000, // orange
    0xFFFF00, // yellow
    0x008000, // green
    0x0000FF, // blue
    0xFF80FF, // violet
    0x808080, // grey
    0xFFFFFF, // white
};

struct Tolerance {
    const char16_t* percent;
    QRgb colour;
};

constexpr QRgb kNoBand = 0x80FFFF;

constexpr std::array<Tolerance, kToleranceItems> kTolerances = {{
    {u"20", kNoBand},
    {u"20", kColours[2]},
    {u"10", kColours[0]},
    {u"5", kColours[1]},
    {u"2", kColours[4]},
    {u"1", kColours[3]},
    {u"0.5", kColours[7]},
    {u"0.25", kColours[8]},
    {u"0.1", kColours[9]},
    {u"0.05", kColours[10]},
}};

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Exponents far beyond anything the bands show are held here: the reading only needs to
// know that such a value is too large, or below the smallest band.
constexpr int kExponentHeld = 100000;

} // namespace

QRgb bandColour(int index) {
    return kColours.at(std::size_t(index));
}

QString toleranceText(int item) {
    return QString::fromUtf16(kTolerances.at(std::size_t(item)).percent);
}

QRgb toleranceColour(int item) {
    return kTolerances.at(std::size_t(item)).colour;
}

OhmsReading readOhms(QStringView text, QChar separator) {
    const QStringView number = text.trimmed();
    if (number == u"-") return {OhmsReading::Ignored, 0.0};
    const qsizetype length = number.size();
    qsizetype i = 0;
    bool negative = false;
    if (i < length && (number[i] == u'+' || number[i] == u'-')) {
        negative = number[i] == u'-';
        ++i;
    }
    std::string digits;
    qsizetype integerDigits = -1;
    while (i < length && isDigit(number[i]))
        digits += char(number[i++].unicode());
    if (i < length && (number[i] == u'.' || number[i] == separator)) {
        integerDigits = qsizetype(digits.size());
        ++i;
        while (i < length && isDigit(number[i]))
            digits += char(number[i++].unicode());
    }
    if (digits.empty()) return {OhmsReading::Zero, 0.0};
    if (integerDigits < 0) integerDigits = qsizetype(digits.size());

    // An exponent counts only with at least one digit: "4E" and "4E-" read as 4.
    qint64 exponent = 0;
    if (i < length && (number[i] == u'E' || number[i] == u'e')) {
        qsizetype j = i + 1;
        bool negativeExponent = false;
        if (j < length && (number[j] == u'+' || number[j] == u'-')) {
            negativeExponent = number[j] == u'-';
            ++j;
        }
        while (j < length && isDigit(number[j])) {
            exponent =
                std::min<qint64>(exponent * 10 + (number[j].unicode() - u'0'), kExponentHeld);
            ++j;
        }
        if (negativeExponent) exponent = -exponent;
    }

    // The value is 0.significant x 10^scale.
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) return {OhmsReading::Zero, 0.0};
    if (negative) return {OhmsReading::Ignored, 0.0};
    std::string significant = digits.substr(firstSignificant, 40);
    const qint64 scale = qint64(integerDigits) - qint64(firstSignificant) + exponent;
    if (scale > 12) return {OhmsReading::TooLarge, 0.0};
    // Far below the smallest band every value shows the same bands.
    const qint64 shownScale = std::max<qint64>(scale, -300);

    const QString normal =
        QStringLiteral("0.%1E%2").arg(QString::fromStdString(significant)).arg(shownScale);
    const double value = narrow(readNumber(normal, QLatin1Char('.')).value_or(0.0L));
    if (value > kLargestOhms) return {OhmsReading::TooLarge, 0.0};
    return {OhmsReading::Value, value};
}

std::optional<ResistorBands> bandsForValue(double ohms, bool fourBands) {
    // The value in scientific notation with two or three significant digits, as the bands
    // read them: "4.7E+03", "4.70E+03".
    const QString scientific = QString::number(ohms, 'E', fourBands ? 1 : 2);
    const qsizetype e = scientific.indexOf(QLatin1Char('E'));
    const int exponent = scientific.mid(e + 1).toInt();
    const auto digitAt = [&](qsizetype i) { return scientific[i].unicode() - u'0'; };
    const int first = digitAt(0);
    const int second = digitAt(2);
    const int third = fourBands ? 0 : digitAt(3);

    if (exponent <= -3) return ResistorBands{0, 0, 0, 0};
    // From 0.01 to 0.1 only one digit fits in front of the smallest multiplier.
    if (exponent == -2) return ResistorBands{0, 0, first, 0};
    if (fourBands || exponent == -1 || (ohms <= 99.0 && third == 0)) {
        const int item = exponent + 1;
        if (item >= kMultiplierItems) return std::nullopt;
        return ResistorBands{0, first, second, item};
    }
    if (exponent >= kMultiplierItems) return std::nullopt;
    return ResistorBands{first, second, third, exponent};
}

double valueOfBands(const ResistorBands& bands, bool fourBands) {
    const int digits = (fourBands ? 0 : bands.hundreds) * 100 + bands.tens * 10 + bands.units;
    const int exponent = bands.multiplier - 2;
    if (exponent < 0) return digits / std::pow(10.0, -exponent);
    return digits * std::pow(10.0, exponent);
}

std::optional<QString> codeNotation(double ohms, QChar separator) {
    if (ohms == 0.0) return QStringLiteral("0R");
    if (!(ohms >= 0.01)) return std::nullopt;
    double divisor = 1.0;
    QChar letter = QLatin1Char('R');
    if (ohms >= 1e9) {
        divisor = 1e9;
        letter = QLatin1Char('G');
    } else if (ohms >= 1e6) {
        divisor = 1e6;
        letter = QLatin1Char('M');
    } else if (ohms >= 1e3) {
        divisor = 1e3;
        letter = QLatin1Char('K');
    }
    const double scaled = ohms / divisor;
    double whole = std::floor(scaled);
    double hundredths = std::floor((scaled - whole) * 100.0 + 0.5);
    if (hundredths >= 100.0) {
        whole += 1.0;
        hundredths = 0.0;
    }
    QString fraction;
    if (hundredths > 0.0) {
        fraction = GeneralText(hundredths, separator);
        if (hundredths < 10.0)
            fraction.prepend(QLatin1Char('0'));
        else if (fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
    }
    return GeneralText(whole, separator) + letter + fraction;
}

} // namespace zerval
