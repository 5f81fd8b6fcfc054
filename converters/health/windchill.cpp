#include "converters/health/windchill.h"

#include <cmath>

namespace zerval {

namespace {

// The wind-chill formula, v in metres per second.
long double chillFormula(long double temperature, long double v) {
    return (10.0L * std::sqrt(v) + 10.45L - v) * (33.0L - temperature) * (-0.04544L) + 33.0L;
}

} // namespace

std::optional<long double> WindChill(int temperaturePosition, int windPosition) {
    if (temperaturePosition < 0 || temperaturePosition >= kWinterTemperatures || windPosition < 0 ||
        windPosition >= kWinterWinds)
        return std::nullopt;
    const long double temperature = 10 - temperaturePosition;
    const long double kmPerHour = 4 * windPosition;
    const long double v = kmPerHour * 1000.0L * (1.0L / 3600.0L);
    if (v == 0.0L) return temperature;
    if (windPosition == 1)
        return (temperature + chillFormula(temperature, 2.2222222222222223)) * 0.5L;
    return chillFormula(temperature, v);
}

DangerBand ColdDanger(long double windChill) {
    if (windChill > 7.5L) return {0, 255, 255, u"¡Buenos días!", u" ¿Está fresco?", false};
    if (windChill > -29.0L)
        return {0,    255, 0, u"Peligro:", u"Peligro de hipotermia, sin la vestimenta apropiada.",
                false};
    if (windChill > -60.0L)
        return {255,
                255,
                0,
                u"Muy peligroso",
                u"Las partes del cuerpo expuestas al viento pueden congelarse\nen 1 minuto.",
                false};
    return {255,
            0,
            0,
            u"Extrem. peligroso.",
            u"Las partes del cuerpo expuestas al viento pueden congelarse\nen 30 segundos.",
            false};
}

} // namespace zerval
