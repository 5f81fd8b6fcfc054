#pragma once

#include "converters/health/heatindex.h"

#include <optional>

namespace zerval {

// Positions in the winter lists: temperature 10 down to -50 °C (0 … 60) and wind 0 to 64 km/h
// in steps of 4 (0 … 16).
constexpr int kWinterTemperatures = 61;
constexpr int kWinterWinds = 17;

// The wind-chill temperature in °C, unrounded. With no wind it is the air temperature; at
// 4 km/h, below the formula's reach, it is the mean of the air and the 8 km/h values.
// Positions outside the lists give nullopt.
std::optional<long double> WindChill(int temperaturePosition, int windPosition);

// Every value has a band: the bands meet without gaps, and the coldest band takes all below.
DangerBand ColdDanger(long double windChill);

} // namespace zerval
