#pragma once

namespace zerval {

// The Transverse Mercator projection on the WGS 84 ellipsoid as the coordinates window
// computes it: the classic series in powers of the longitude difference, with the meridian
// arc and the foot latitude in powers of n = (a - b) / (a + b). Angles in radians, lengths
// in metres, unscaled (before k0 and the false origin).

struct PlanePoint {
    long double x = 0.0L;
    long double y = 0.0L;
};

struct GeoPoint {
    long double latitude = 0.0L;
    long double longitude = 0.0L;
};

long double MeridianArc(long double latitude);
long double FootLatitude(long double arc);
long double ZoneMeridian(int zone);
PlanePoint GeoToPlane(long double latitude, long double longitude, long double centralMeridian);
GeoPoint PlaneToGeo(long double x, long double y, long double centralMeridian);

// The UTM range of the geographic coordinates.
bool LatitudeInUtmRange(double latitude);
bool LongitudeInUtmRange(double longitude);

struct UtmPosition {
    int zone = 0;
    bool south = false;
    double easting = 0.0;  // rounded to the millimetre
    double northing = 0.0; // rounded to the millimetre
};

// Latitude and longitude in decimal degrees, both within the UTM range, to UTM.
UtmPosition GeographicToUtm(double latitude, double longitude);

// What is wrong with a UTM position typed by the user, in the order the checks are made.
enum class UtmRangeProblem { None, Zone, SouthEasting, SouthNorthing, NorthEasting, NorthNorthing };

// `zone` is the typed zone as a real number; only its whole magnitude counts.
UtmRangeProblem CheckUtmRange(double zone, bool south, double easting, double northing);
// The zone that CheckUtmRange accepted, as a whole number.
int UtmZoneOf(double zone);

struct Geographic {
    double latitude = 0.0;  // decimal degrees, rounded to 7 decimals
    double longitude = 0.0; // decimal degrees, rounded to 7 decimals, within [-180, 180)
};

// A UTM position that passed CheckUtmRange back to latitude and longitude.
Geographic UtmToGeographic(int zone, bool south, double easting, double northing);

} // namespace zerval
