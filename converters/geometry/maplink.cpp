#include "converters/geometry/maplink.h"

namespace zerval {

namespace {

// The one place that names the map service.
const QString kMapService = QStringLiteral("https://maps.google.com");

QString coordinateText(double degrees) {
    const double rounded = QString::number(degrees, 'g', 6).toDouble();
    return QString::number(rounded, 'f', 4);
}

} // namespace

QString MapLinkAddress(double latitude, double longitude) {
    const QString position =
        coordinateText(latitude) + QLatin1Char(',') + coordinateText(longitude);
    return kMapService + QStringLiteral("/maps?ll=") + position +
           QStringLiteral("&spn=0.01,0.01&t=h&q=") + position;
}

} // namespace zerval
