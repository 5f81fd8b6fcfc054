#include "converters/geometry/utm.h"
#include "kit/textforms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zerval {
namespace {

const QChar dot = QLatin1Char('.');

// A second, independent Transverse Mercator: Krüger's series in the third flattening to n^6
// on the WGS 84 ellipsoid with its defining flattening, the conformal latitude found in
// closed form and inverted by Newton's method.
class KrugerUtm {
public:
    KrugerUtm() {
        const long double n = f_ / (2.0L - f_);
        const long double n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n, n6 = n5 * n;
        e_ = std::sqrt(f_ * (2.0L - f_));
        A_ = a_ / (1.0L + n) * (1.0L + n2 / 4.0L + n4 / 64.0L + n6 / 256.0L);
        alpha_ = {
            n / 2 - 2 * n2 / 3 + 5 * n3 / 16 + 41 * n4 / 180 - 127 * n5 / 288 + 7891 * n6 / 37800,
            13 * n2 / 48 - 3 * n3 / 5 + 557 * n4 / 1440 + 281 * n5 / 630 - 1983433 * n6 / 1935360,
            61 * n3 / 240 - 103 * n4 / 140 + 15061 * n5 / 26880 + 167603 * n6 / 181440,
            49561 * n4 / 161280 - 179 * n5 / 168 + 6601661 * n6 / 7257600,
            34729 * n5 / 80640 - 3418889 * n6 / 1995840,
            212378941 * n6 / 319334400};
        beta_ = {n / 2 - 2 * n2 / 3 + 37 * n3 / 96 - n4 / 360 - 81 * n5 / 512 + 96199 * n6 / 604800,
                 n2 / 48 + n3 / 15 - 437 * n4 / 1440 + 46 * n5 / 105 - 1118711 * n6 / 3870720,
                 17 * n3 / 480 - 37 * n4 / 840 - 209 * n5 / 4480 + 5569 * n6 / 90720,
                 4397 * n4 / 161280 - 11 * n5 / 504 - 830251 * n6 / 7257600,
                 4583 * n5 / 161280 - 108847 * n6 / 3991680,
                 20648693 * n6 / 638668800};
    }

    // Easting and northing in metres with k0 but without false origins, from degrees.
    std::pair<long double, long double> forward(long double latDeg, long double dLonDeg) const {
        const long double phi = latDeg * pi_ / 180.0L, lam = dLonDeg * pi_ / 180.0L;
        const long double tp = conformal(std::tan(phi));
        const long double xi1 = std::atan2(tp, std::cos(lam));
        const long double eta1 = std::asinh(std::sin(lam) / std::hypot(tp, std::cos(lam)));
        long double xi = xi1, eta = eta1;
        for (int j = 1; j <= 6; ++j) {
            xi += alpha_[j - 1] * std::sin(2 * j * xi1) * std::cosh(2 * j * eta1);
            eta += alpha_[j - 1] * std::cos(2 * j * xi1) * std::sinh(2 * j * eta1);
        }
        return {k0_ * A_ * eta, k0_ * A_ * xi};
    }

    // Degrees of latitude and of longitude from the central meridian.
    std::pair<long double, long double> inverse(long double easting, long double northing) const {
        const long double xi = northing / (k0_ * A_), eta = easting / (k0_ * A_);
        long double xi1 = xi, eta1 = eta;
        for (int j = 1; j <= 6; ++j) {
            xi1 -= beta_[j - 1] * std::sin(2 * j * xi) * std::cosh(2 * j * eta);
            eta1 -= beta_[j - 1] * std::cos(2 * j * xi) * std::sinh(2 * j * eta);
        }
        const long double tp = std::sin(xi1) / std::hypot(std::sinh(eta1), std::cos(xi1));
        const long double lam = std::atan2(std::sinh(eta1), std::cos(xi1));
        long double t = tp;
        for (int i = 0; i < 10; ++i) {
            const long double ti = conformal(t);
            const long double e2 = e_ * e_;
            t += (tp - ti) / std::sqrt(1 + ti * ti) * (1 + (1 - e2) * t * t) /
                 ((1 - e2) * std::sqrt(1 + t * t));
        }
        return {std::atan(t) * 180.0L / pi_, lam * 180.0L / pi_};
    }

private:
    long double conformal(long double tau) const {
        const long double sigma = std::sinh(e_ * std::atanh(e_ * tau / std::sqrt(1 + tau * tau)));
        return tau * std::sqrt(1 + sigma * sigma) - sigma * std::sqrt(1 + tau * tau);
    }

    const long double pi_ = 3.141592653589793238462643383279502884L;
    const long double a_ = 6378137.0L, f_ = 1.0L / 298.257223563L, k0_ = 0.9996L;
    long double e_ = 0, A_ = 0;
    std::vector<long double> alpha_, beta_;
};

struct ForwardCase {
    double latitude, longitude;
    int zone;
    bool south;
    const char* easting;
    const char* northing;
};

TEST(Utm, ForwardGivesTheWindowsFigures) {
    const ForwardCase cases[] = {
        {40.416775, -3.70379, 30, false, "440291.284", "4474254.6"},
        {0, 3, 31, false, "500000", "0"},
        {-34.6037, -58.3816, 21, true, "373317.502", "6170036.172"},
        // The published easting of a zone's edge on the equator.
        {0, -180, 1, false, "166021.443", "0"},
        {84, 179.999999, 60, false, "534994.643", "9329005.182"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.latitude);
        const UtmPosition utm = GeographicToUtm(c.latitude, c.longitude);
        EXPECT_EQ(utm.zone, c.zone);
        EXPECT_EQ(utm.south, c.south);
        EXPECT_EQ(GeneralText(utm.easting, dot).toStdString(), c.easting);
        EXPECT_EQ(GeneralText(utm.northing, dot).toStdString(), c.northing);
    }
}

TEST(Utm, InverseGivesBackTheWindowsExamples) {
    const Geographic madrid = UtmToGeographic(30, false, 440291.284, 4474254.6);
    EXPECT_EQ(GeneralText(madrid.latitude, dot).toStdString(), "40.416775");
    EXPECT_EQ(GeneralText(madrid.longitude, dot).toStdString(), "-3.70379");
    const Geographic buenosAires = UtmToGeographic(21, true, 373317.502, 6170036.172);
    EXPECT_EQ(GeneralText(buenosAires.latitude, dot).toStdString(), "-34.6037");
    EXPECT_EQ(GeneralText(buenosAires.longitude, dot).toStdString(), "-58.3816");
}

// Every latitude of the UTM range against every longitude of a zone, in both hemispheres.
std::vector<std::pair<double, double>> zoneGrid() {
    std::vector<std::pair<double, double>> points;
    for (double lat = -80; lat <= 84; lat += 4)
        for (double dLon = -3; dLon <= 3; dLon += 0.5)
            points.push_back({lat + 0.123456, dLon});
    return points;
}

TEST(Utm, ForwardAgreesWithKrugerToTheMillimetre) {
    const KrugerUtm kruger;
    for (const auto& [lat, dLon] : zoneGrid()) {
        SCOPED_TRACE(testing::Message() << lat << " " << dLon);
        // Zone 31 has its central meridian at 3 degrees east.
        const UtmPosition utm = GeographicToUtm(lat, 3.0 + dLon * 0.999999);
        const auto [x, y] = kruger.forward(lat, dLon * 0.999999);
        EXPECT_NEAR(utm.easting, 500000.0L + x, 0.001);
        EXPECT_NEAR(utm.northing, y < 0 ? y + 10000000.0L : y, 0.001);
    }
}

TEST(Utm, InverseAgreesWithKrugerToTheMillimetre) {
    const KrugerUtm kruger;
    // A millimetre of latitude, or of longitude on the equator, in degrees.
    const double millimetre = 0.001 / 111319.49;
    for (const auto& [lat, dLon] : zoneGrid()) {
        SCOPED_TRACE(testing::Message() << lat << " " << dLon);
        const auto [x, y] = kruger.forward(lat, dLon);
        const long double easting = 500000.0L + x, northing = lat < 0 ? y + 10000000.0L : y;
        const GeoPoint geo =
            PlaneToGeo((easting - 500000.0L) / 0.9996L,
                       (lat < 0 ? northing - 10000000.0L : northing) / 0.9996L, ZoneMeridian(31));
        const long double toDegrees = 180.0L / 3.14159265358979L;
        EXPECT_NEAR(geo.latitude * toDegrees, lat, millimetre);
        EXPECT_NEAR((geo.longitude * toDegrees - 3.0L) * std::cos(lat * M_PI / 180),
                    dLon * std::cos(lat * M_PI / 180), millimetre);
        // The window's rounding to seven decimals keeps the position to about a centimetre.
        const Geographic shown = UtmToGeographic(31, lat < 0, double(easting), double(northing));
        EXPECT_NEAR(shown.latitude, lat, 0.6e-7);
        EXPECT_NEAR(shown.longitude, 3.0 + dLon, 0.6e-7);
    }
}

// The meridian arc integrated numerically (Simpson's rule on the meridian's radius of
// curvature) on the window's ellipsoid.
long double integratedArc(long double latitude) {
    const long double a = 6378137.0L, b = 6356752.314L;
    const long double e2 = 1.0L - b * b / (a * a);
    auto rho = [&](long double p) {
        const long double s = std::sin(p);
        return a * (1.0L - e2) / std::pow(1.0L - e2 * s * s, 1.5L);
    };
    const int steps = 20000;
    const long double h = latitude / steps;
    long double sum = rho(0) + rho(latitude);
    for (int i = 1; i < steps; ++i)
        sum += (i % 2 ? 4 : 2) * rho(i * h);
    return sum * h / 3.0L;
}

TEST(Utm, MeridianArcAndFootLatitudeAgreeWithIntegration) {
    for (const double degrees : {-80.0, -45.5, -10.0, 1.0, 30.0, 40.416775, 60.0, 84.0}) {
        SCOPED_TRACE(degrees);
        const long double phi = degrees * 3.14159265358979L / 180.0L;
        const long double arc = integratedArc(phi);
        EXPECT_NEAR(MeridianArc(phi), arc, 0.0001);
        // A tenth of a millimetre along the meridian.
        EXPECT_NEAR(FootLatitude(arc), phi, 0.0001 / 6.3e6);
    }
}

TEST(Utm, RoundTripThroughTheWindowsSeriesKeepsTheMillimetre) {
    for (const auto& [lat, dLon] : zoneGrid()) {
        SCOPED_TRACE(testing::Message() << lat << " " << dLon);
        const long double phi = lat * 3.14159265358979L / 180.0L;
        const long double l = dLon * 3.14159265358979L / 180.0L;
        const PlanePoint plane = GeoToPlane(phi, l, 0.0L);
        const GeoPoint back = PlaneToGeo(plane.x, plane.y, 0.0L);
        EXPECT_NEAR(back.latitude * 6.36e6, phi * 6.36e6, 0.001);
        EXPECT_NEAR(back.longitude * 6.39e6 * std::cos(phi), l * 6.39e6 * std::cos(phi), 0.001);
    }
}

TEST(Utm, ZoneMeridiansAndZones) {
    EXPECT_NEAR(ZoneMeridian(1) * 180 / 3.14159265358979L, -177.0L, 1e-12L);
    EXPECT_NEAR(ZoneMeridian(31) * 180 / 3.14159265358979L, 3.0L, 1e-12L);
    EXPECT_NEAR(ZoneMeridian(60) * 180 / 3.14159265358979L, 177.0L, 1e-12L);
    EXPECT_EQ(GeographicToUtm(10, -180).zone, 1);
    EXPECT_EQ(GeographicToUtm(10, -174.000001).zone, 1);
    EXPECT_EQ(GeographicToUtm(10, -174).zone, 2);
    EXPECT_EQ(GeographicToUtm(10, 179.9999999).zone, 60);
}

TEST(Utm, GeographicRangeIsThatOfTheProjection) {
    EXPECT_TRUE(LatitudeInUtmRange(84));
    EXPECT_FALSE(LatitudeInUtmRange(84.0001));
    EXPECT_TRUE(LatitudeInUtmRange(-80));
    EXPECT_FALSE(LatitudeInUtmRange(-80.0001));
    EXPECT_FALSE(LatitudeInUtmRange(1e19));
    EXPECT_TRUE(LongitudeInUtmRange(-180));
    EXPECT_FALSE(LongitudeInUtmRange(180));
    EXPECT_FALSE(LongitudeInUtmRange(200));
}

TEST(Utm, RangeChecksComeInOrder) {
    struct Case {
        double zone;
        bool south;
        double x, y;
        UtmRangeProblem problem;
    };
    const Case cases[] = {
        {0, false, 500000, 0, UtmRangeProblem::Zone},
        {61, false, 500000, 0, UtmRangeProblem::Zone},
        {1e20, false, 500000, 0, UtmRangeProblem::Zone},
        {-30.9, false, 500000, 0, UtmRangeProblem::None},
        {60.5, false, 500000, 0, UtmRangeProblem::None},
        {30, true, -1, 0, UtmRangeProblem::SouthEasting},
        {30, true, 500000, 899999, UtmRangeProblem::SouthNorthing},
        {30, true, 1000000, 19600000, UtmRangeProblem::None},
        {30, false, 1000001, 0, UtmRangeProblem::NorthEasting},
        {30, false, 0, -9100001, UtmRangeProblem::NorthNorthing},
        {30, false, 0, 9600001, UtmRangeProblem::NorthNorthing},
        {30, false, 0, -9100000, UtmRangeProblem::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.x << " " << c.y);
        EXPECT_EQ(CheckUtmRange(c.zone, c.south, c.x, c.y), c.problem);
    }
    EXPECT_EQ(UtmZoneOf(30.9), 30);
    EXPECT_EQ(UtmZoneOf(-30.9), 30);
    EXPECT_EQ(UtmZoneOf(1e20), 0);
}

TEST(Utm, InverseBringsLongitudesBackWithinTheWorld) {
    // Zone 1 far west of its meridian reaches past 180 degrees west.
    const UtmPosition across = GeographicToUtm(60, -180);
    const Geographic back = UtmToGeographic(1, false, across.easting - 30000, across.northing);
    EXPECT_GT(back.longitude, 179.0);
    EXPECT_LT(back.longitude, 180.0);
}

} // namespace
} // namespace zerval
