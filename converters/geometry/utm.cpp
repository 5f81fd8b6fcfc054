#include "converters/geometry/utm.h"

#include <cmath>

namespace zerval {

namespace {

// The window's π has 15 significant digits; it is used for every degree-radian conversion.
constexpr long double kPi = 3.14159265358979;
constexpr long double kOneOver180 = 1.0L / 180.0L;
constexpr long double kA = 6378137.0L;
constexpr long double kB = 6356752.314L;
constexpr long double kK0 = 0.9996L;
constexpr long double kFalseEasting = 500000.0L;
constexpr long double kFalseNorthing = 10000000.0L;

constexpr long double kN = (kA - kB) / (kA + kB);
constexpr long double kSecondEccentricity2 = (kA * kA - kB * kB) / (kB * kB);

long double power(long double base, int exponent) {
    long double result = 1.0L;
    for (int i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

long double arcScale() {
    const long double n = kN;
    return (kA + kB) / 2.0L * (1.0L + n * n / 4.0L + power(n, 4) / 64.0L);
}

long double radiusOfCurvature(long double nu2) {
    return kA * kA / (kB * std::sqrt(1.0L + nu2));
}

double roundedTo(long double value, long double scale) {
    return static_cast<double>(std::floor(value * scale + 0.5L) / scale);
}

} // namespace

long double MeridianArc(long double latitude) {
    const long double n = kN;
    const long double beta =
        -3.0L * n / 2.0L + 9.0L * power(n, 3) / 16.0L - 3.0L * power(n, 5) / 32.0L;
    const long double gamma = 15.0L * n * n / 16.0L - 15.0L * power(n, 4) / 32.0L;
    const long double delta = -35.0L * power(n, 3) / 48.0L + 105.0L * power(n, 5) / 256.0L;
    const long double epsilon = 315.0L * power(n, 4) / 512.0L;
    const long double p = latitude;
    return arcScale() * (p + beta * std::sin(2.0L * p) + gamma * std::sin(4.0L * p) +
                         delta * std::sin(6.0L * p) + epsilon * std::sin(8.0L * p));
}

long double FootLatitude(long double arc) {
    const long double n = kN;
    const long double y = arc / arcScale();
    const long double beta =
        3.0L * n / 2.0L - 27.0L * power(n, 3) / 32.0L + 269.0L * power(n, 5) / 512.0L;
    const long double gamma = 21.0L * n * n / 16.0L - 55.0L * power(n, 4) / 32.0L;
    const long double delta = 151.0L * power(n, 3) / 96.0L - 417.0L * power(n, 5) / 128.0L;
    const long double epsilon = 1097.0L * power(n, 4) / 512.0L;
    return y + beta * std::sin(2.0L * y) + gamma * std::sin(4.0L * y) + delta * std::sin(6.0L * y) +
           epsilon * std::sin(8.0L * y);
}

long double ZoneMeridian(int zone) {
    return (static_cast<long double>(zone) * 6.0L - 183.0L) * kOneOver180 * kPi;
}

PlanePoint GeoToPlane(long double latitude, long double longitude, long double centralMeridian) {
    const long double c = std::cos(latitude);
    const long double nu2 = kSecondEccentricity2 * c * c;
    const long double nu4 = nu2 * nu2;
    const long double N = radiusOfCurvature(nu2);
    const long double t = std::tan(latitude);
    const long double t2 = t * t;
    const long double t4 = t2 * t2;
    const long double t6 = t4 * t2;
    const long double l = longitude - centralMeridian;

    const long double l3 = 1.0L - t2 + nu2;
    const long double l4 = 5.0L - t2 + 9.0L * nu2 + 4.0L * nu4;
    const long double l5 = 5.0L - 18.0L * t2 + t4 + 14.0L * nu2 - 58.0L * t2 * nu2;
    const long double l6 = 61.0L - 58.0L * t2 + t4 + 270.0L * nu2 - 330.0L * t2 * nu2;
    const long double l7 = 61.0L - 479.0L * t2 + 179.0L * t4 - t6;
    const long double l8 = 1385.0L - 3111.0L * t2 + 543.0L * t4 - t6;

    PlanePoint point;
    point.x = N * c * l + N / 6.0L * power(c, 3) * l3 * power(l, 3) +
              N / 120.0L * power(c, 5) * l5 * power(l, 5) +
              N / 5040.0L * power(c, 7) * l7 * power(l, 7);
    point.y = MeridianArc(latitude) + t / 2.0L * N * power(c, 2) * power(l, 2) +
              t / 24.0L * N * power(c, 4) * l4 * power(l, 4) +
              t / 720.0L * N * power(c, 6) * l6 * power(l, 6) +
              t / 40320.0L * N * power(c, 8) * l8 * power(l, 8);
    return point;
}

GeoPoint PlaneToGeo(long double x, long double y, long double centralMeridian) {
    const long double foot = FootLatitude(y);
    const long double cf = std::cos(foot);
    const long double nu2 = kSecondEccentricity2 * cf * cf;
    const long double nu4 = nu2 * nu2;
    const long double Nf = radiusOfCurvature(nu2);
    const long double tf = std::tan(foot);
    const long double t2 = tf * tf;
    const long double t4 = t2 * t2;
    const long double t6 = t4 * t2;

    const long double x1 = 1.0L / (Nf * cf);
    const long double x2 = tf / (2.0L * power(Nf, 2));
    const long double x3 = 1.0L / (6.0L * power(Nf, 3) * cf);
    const long double x4 = tf / (24.0L * power(Nf, 4));
    const long double x5 = 1.0L / (120.0L * power(Nf, 5) * cf);
    const long double x6 = tf / (720.0L * power(Nf, 6));
    const long double x7 = 1.0L / (5040.0L * power(Nf, 7) * cf);
    const long double x8 = tf / (40320.0L * power(Nf, 8));

    const long double p2 = -1.0L - nu2;
    const long double p3 = -1.0L - 2.0L * t2 - nu2;
    const long double p4 =
        5.0L + 3.0L * t2 + 6.0L * nu2 - 6.0L * t2 * nu2 - 3.0L * nu4 - 9.0L * t2 * nu4;
    const long double p5 = 5.0L + 28.0L * t2 + 24.0L * t4 + 6.0L * nu2 + 8.0L * t2 * nu2;
    const long double p6 = -61.0L - 90.0L * t2 - 45.0L * t4 - 107.0L * nu2 + 162.0L * t2 * nu2;
    const long double p7 = -61.0L - 662.0L * t2 - 1320.0L * t4 - 720.0L * t6;
    const long double p8 = 1385.0L + 3633.0L * t2 + 4095.0L * t4 + 1575.0L * t6;

    GeoPoint point;
    point.latitude = foot + x2 * p2 * power(x, 2) + x4 * p4 * power(x, 4) + x6 * p6 * power(x, 6) +
                     x8 * p8 * power(x, 8);
    point.longitude = centralMeridian + x1 * x + x3 * p3 * power(x, 3) + x5 * p5 * power(x, 5) +
                      x7 * p7 * power(x, 7);
    return point;
}

bool LatitudeInUtmRange(double latitude) {
    return latitude >= -80.0 && latitude <= 84.0;
}

bool LongitudeInUtmRange(double longitude) {
    return longitude >= -180.0 && longitude < 180.0;
}

UtmPosition GeographicToUtm(double latitude, double longitude) {
    UtmPosition position;
    const long double zone =
        std::floor((static_cast<long double>(longitude) + 180.0L) * (1.0L / 6.0L)) + 1.0L;
    position.zone = static_cast<int>(std::fmin(std::fmax(zone, 1.0L), 60.0L));
    const long double phi = latitude * kOneOver180 * kPi;
    const long double lambda = kPi * (longitude * kOneOver180);
    const PlanePoint plane = GeoToPlane(phi, lambda, ZoneMeridian(position.zone));
    const long double easting = plane.x * kK0 + kFalseEasting;
    long double northing = plane.y * kK0;
    if (northing < 0.0L) northing += kFalseNorthing;
    position.easting = roundedTo(easting, 1000.0L);
    position.northing = roundedTo(northing, 1000.0L);
    position.south = latitude < 0.0;
    return position;
}

UtmRangeProblem CheckUtmRange(double zone, bool south, double easting, double northing) {
    const double whole = std::floor(std::fabs(zone));
    if (!(whole >= 1.0 && whole <= 60.0)) return UtmRangeProblem::Zone;
    const bool eastingOk = easting >= 0.0 && easting <= 1000000.0;
    if (south) {
        if (!eastingOk) return UtmRangeProblem::SouthEasting;
        if (!(northing >= 900000.0 && northing <= 19600000.0))
            return UtmRangeProblem::SouthNorthing;
    } else {
        if (!eastingOk) return UtmRangeProblem::NorthEasting;
        if (!(northing >= -9100000.0 && northing <= 9600000.0))
            return UtmRangeProblem::NorthNorthing;
    }
    return UtmRangeProblem::None;
}

int UtmZoneOf(double zone) {
    const double whole = std::floor(std::fabs(zone));
    return whole >= 1.0 && whole <= 60.0 ? static_cast<int>(whole) : 0;
}

Geographic UtmToGeographic(int zone, bool south, double easting, double northing) {
    const long double x = (easting - kFalseEasting) / kK0;
    const long double y = south ? (northing - kFalseNorthing) / kK0 : northing / kK0;
    const GeoPoint point = PlaneToGeo(x, y, ZoneMeridian(zone));
    Geographic result;
    result.latitude = roundedTo(point.latitude / kPi * 180.0L, 10000000.0L);
    double longitude = roundedTo(point.longitude / kPi * 180.0L, 10000000.0L);
    // Far from its central meridian, zone 1 or 60 reaches past the antimeridian.
    if (longitude < -180.0) longitude += 360.0;
    if (longitude >= 180.0) longitude -= 360.0;
    result.longitude = longitude;
    return result;
}

} // namespace zerval
