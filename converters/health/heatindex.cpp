#include "converters/health/heatindex.h"

#include <array>

namespace zerval {

namespace {

// °C of sensation by humidity (rows, 0 to 100 %) and air temperature (columns, 20 to 50 °C),
// capped at 55.
// clang-format off
const std::array<std::array<int, kSummerTemperatures>, kSummerHumidities> kHeat = {{
    {{16, 18, 19, 20, 21, 22, 24, 25, 26, 26, 27, 28, 29, 29, 30, 31, 32, 32, 33, 34, 35, 35, 36, 37, 38, 38, 39, 40, 41, 42, 42}},
    {{16, 18, 19, 20, 21, 23, 24, 25, 26, 26, 27, 28, 29, 29, 30, 32, 33, 33, 34, 35, 36, 36, 37, 38, 39, 40, 41, 42, 43, 45, 45}},
    {{17, 18, 19, 20, 22, 23, 24, 25, 26, 27, 28, 29, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 47, 48}},
    {{17, 19, 20, 20, 22, 23, 24, 25, 26, 27, 28, 29, 29, 30, 31, 32, 34, 35, 36, 37, 39, 40, 41, 42, 44, 45, 45, 47, 49, 50, 50}},
    {{17, 19, 20, 21, 22, 24, 25, 26, 27, 27, 28, 29, 30, 31, 32, 33, 35, 36, 37, 38, 40, 41, 42, 44, 45, 47, 49, 51, 53, 54, 55}},
    {{18, 19, 20, 21, 22, 24, 25, 26, 27, 28, 28, 29, 31, 33, 34, 35, 36, 38, 39, 41, 43, 44, 45, 47, 49, 50, 51, 54, 55, 55, 55}},
    {{18, 19, 20, 22, 23, 24, 25, 26, 27, 29, 29, 30, 31, 33, 34, 35, 37, 38, 40, 41, 43, 45, 47, 49, 52, 54, 55, 55, 55, 55, 55}},
    {{19, 19, 20, 22, 23, 24, 26, 27, 28, 29, 29, 31, 33, 34, 35, 37, 39, 41, 43, 44, 47, 49, 50, 53, 55, 55, 55, 55, 55, 55, 55}},
    {{19, 20, 21, 22, 23, 24, 26, 27, 28, 29, 30, 31, 33, 34, 36, 37, 39, 41, 44, 46, 49, 50, 52, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{19, 20, 21, 23, 24, 24, 26, 27, 28, 29, 30, 31, 34, 35, 37, 40, 42, 44, 47, 50, 53, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{19, 20, 21, 23, 24, 25, 26, 27, 29, 30, 31, 33, 35, 36, 38, 40, 43, 46, 49, 50, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{19, 20, 21, 23, 24, 25, 27, 28, 29, 30, 32, 34, 35, 38, 41, 44, 46, 49, 51, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{20, 21, 22, 23, 24, 25, 27, 28, 29, 31, 33, 35, 37, 39, 42, 45, 49, 51, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{20, 21, 22, 24, 25, 26, 27, 29, 30, 33, 34, 36, 39, 42, 44, 47, 50, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{20, 21, 22, 24, 25, 26, 27, 29, 31, 33, 35, 37, 40, 43, 47, 51, 54, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{21, 22, 22, 24, 25, 26, 28, 30, 32, 34, 36, 39, 42, 45, 48, 52, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{21, 22, 23, 24, 25, 27, 28, 30, 32, 35, 37, 40, 44, 49, 50, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{21, 22, 23, 24, 26, 27, 29, 31, 33, 35, 39, 41, 45, 49, 52, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{21, 22, 23, 24, 26, 27, 29, 31, 34, 37, 40, 45, 51, 53, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{21, 22, 23, 25, 26, 28, 29, 31, 34, 38, 41, 45, 51, 54, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
    {{21, 23, 24, 25, 26, 28, 30, 33, 36, 40, 45, 50, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55}},
}};

// °C added for the wind, by wind class and air temperature.
const std::array<std::array<int, kSummerTemperatures>, kWindClasses> kWind = {{
    {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {{-1, -1, -1, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {{-3, -3, -2, -2, -2, -2, -2, -2, -2, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}},
    {{-4, -4, -3, -3, -3, -3, -3, -3, -3, -2, -2, -2, -1, -1, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
    {{-4, -4, -4, -4, -4, -4, -3, -3, -3, -3, -2, -2, -1, -1, 0, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
}};
// clang-format on

} // namespace

std::optional<int> HeatSensation(int temperaturePosition, int humidityPosition, int windClass) {
    if (temperaturePosition < 0 || temperaturePosition >= kSummerTemperatures ||
        humidityPosition < 0 || humidityPosition >= kSummerHumidities || windClass < 0 ||
        windClass >= kWindClasses)
        return std::nullopt;
    return kHeat[std::size_t(humidityPosition)][std::size_t(temperaturePosition)] +
           kWind[std::size_t(windClass)][std::size_t(temperaturePosition)];
}

QString WindClassText(int windClass, QChar separator) {
    static const char* const bounds[kWindClasses] = {"0 a 12.0", "12.5 a 21.0", "21.5 a 36.0",
                                                     "36.5 a 50.0", "50.5 a ..."};
    QString text = QString::fromLatin1(bounds[windClass]);
    // Only the decimal points: the "..." of the open class stays as it is.
    for (int i = 1; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char('.') && text[i - 1].isDigit() && text[i + 1].isDigit())
            text[i] = separator == QLatin1Char(',') ? QLatin1Char(',') : QLatin1Char('.');
    return text;
}

DangerBand HeatDanger(int sensation) {
    if (sensation >= 55)
        return {255, 0, 255, u"Extremo peligro:", u" Golpe de calor e insolación inminentes.",
                true};
    if (sensation >= 40)
        return {255,
                0,
                0,
                u"Peligro:",
                u" Insolación, golpe de calor, calambres. \n Muy posibles por exposición "
                u"prolongada o actividad física.",
                true};
    if (sensation >= 32)
        return {255,
                255,
                0,
                u"Precaución extrema:",
                u" Insolación, golpe de calor, calambres. \n Posibles por exposición prolongada "
                u"o actividad física.",
                true};
    if (sensation >= 27)
        return {0,
                255,
                0,
                u"Precaución:",
                u" Posible fatiga por exposición prolongada o\n actividad física.",
                true};
    return {0, 255, 255, u"Bueno:", u" ¡Que tengas un buen día!", false};
}

QString HeatNote() {
    return QStringLiteral("Efectos variables según la edad, el estado de salud y las "
                          "características corporales de cada persona");
}

} // namespace zerval
