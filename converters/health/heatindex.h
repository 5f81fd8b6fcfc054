#pragma once

#include <QString>

#include <optional>

namespace zerval {

// Positions in the summer lists: temperature 20 to 50 °C (0 … 30), relative humidity 0 to
// 100 % in steps of 5 (0 … 20) and the five wind classes (0 … 4).
constexpr int kSummerTemperatures = 31;
constexpr int kSummerHumidities = 21;
constexpr int kWindClasses = 5;

// How hot the weather feels, in whole °C: the heat table's value for the humidity and the
// temperature, corrected for the wind. Positions outside the lists give nullopt.
std::optional<int> HeatSensation(int temperaturePosition, int humidityPosition, int windClass);

// The wind classes as the list shows them, with the locale's decimal separator.
QString WindClassText(int windClass, QChar separator);

// A danger band, as its panel shows it.
struct DangerBand {
    int red, green, blue;
    const char16_t* caption;
    const char16_t* advice;
    // Whether the status bar shows the note on personal differences.
    bool note;
};

DangerBand HeatDanger(int sensation);

// The note for every band from "Precaución:" up.
QString HeatNote();

} // namespace zerval
