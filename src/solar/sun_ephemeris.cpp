#include "solar/sun_ephemeris.h"

#include <algorithm>
#include <cmath>

#include "solar/sun_angles.h"

namespace pellamar {
namespace {

// Sine of the Sun's height: sin δ·sin φ + cos φ·cos δ·cos HL. SunHeight and
// the scanner both go through here so that they agree to the last bit.
inline double HeightSine(double sin_delta, double cos_delta, double sin_lat, double cos_lat,
                         double cos_hl) {
  return sin_delta * sin_lat + cos_lat * cos_delta * cos_hl;
}

// The arcsine in degrees, within [-90, 90]: a value a rounding step beyond
// +-1 is taken as +-1 rather than giving NaN, and the result is held to +-90
// because the truncated kSunDegree would turn asin(1) into 90.0000027.
inline double ArcsineDegrees(double x) {
  return std::clamp(std::asin(std::clamp(x, -1.0, 1.0)) / kSunDegree, -90.0, 90.0);
}

// Local hour angle, degrees: GHA - Lw brought into [0, 360] (360 stays 360).
inline double LocalHourAngle(double gha, double lon_west_deg) {
  double hl = gha - lon_west_deg;
  if (hl < 0) hl += 360;
  if (hl > 360) hl -= 360;
  return hl;
}

// Below this, cos h · cos φ leaves the azimuth without a value (a pole, or
// the Sun at the zenith or nadir).
constexpr double kAzimuthDegenerate = 1e-9;

}  // namespace

SunEphemeris ComputeSunEphemeris(const SunInstant& instant) {
  // Julian Day of 0 h UT, January and February counted as months 13 and 14
  // of the preceding year; Gregorian correction after 1582 October 15.
  double month = instant.M;
  double year = instant.Y;
  const double day = instant.D;
  if (month < 3) {
    month += 12;
    year -= 1;
  }
  SunEphemeris e;
  e.J = std::trunc(365.25 * year) + std::trunc(30.6001 * (month + 1)) + day + 1720996.5;
  if (year + month / 100 + day / 10000 > 1582.10145) {
    const double a = std::trunc(year / 100);
    e.J = e.J - a + std::trunc(a / 4);
  }
  e.T = (e.J - 2415020) / 36525;

  // The clock time minus the zone, deliberately not brought into a day: a
  // negative u is a time of the day before.
  const double u = instant.t - static_cast<double>(instant.TimeZone) / 24;
  e.T1 = e.T + u / 36525;
  e.UT = 24 * u;

  e.Theta = 6.6460656 + 2400.051262 * e.T + 1.0027389 * e.UT;
  e.Theta -= 24 * std::floor(e.Theta / 24);

  e.MeanAnomaly = 358.47583 + 35999.04975 * e.T1;
  e.Lambda = 279.69668 + 36000.76892 * e.T1 +
             (1.919 - 0.004789 * e.T1) * std::sin(e.MeanAnomaly * kSunDegree) +
             0.020094 * std::sin(2 * e.MeanAnomaly * kSunDegree) - 0.00569;
  e.Epsilon = 23.452294 - 0.01301 * e.T1;

  const double lambda = e.Lambda * kSunDegree;
  const double epsilon = e.Epsilon * kSunDegree;
  e.Alpha = std::atan(std::cos(epsilon) * std::tan(lambda)) / kSunDegree;
  if (std::cos(lambda) < 0) e.Alpha += 180;

  // |s| <= sin ε < 1, so the arcsine always has a value.
  const double s = std::sin(epsilon) * std::sin(lambda);
  e.Delta = ArcsineDegrees(s);

  e.GHA = 15 * e.Theta - e.Alpha;
  e.GHA -= 360 * std::floor(e.GHA / 360);
  return e;
}

float SunDeclination(const SunEphemeris& eph) { return static_cast<float>(eph.Delta); }

float SunHeight(const SunEphemeris& eph, float lat_deg, float lon_west_deg) {
  const double delta = eph.Delta * kSunDegree;
  const double lat = static_cast<double>(lat_deg) * kSunDegree;
  const double hl = LocalHourAngle(eph.GHA, lon_west_deg) * kSunDegree;
  const double x = HeightSine(std::sin(delta), std::cos(delta), std::sin(lat), std::cos(lat),
                              std::cos(hl));
  return static_cast<float>(ArcsineDegrees(x));
}

SunPosition SunPositionAt(const SunEphemeris& eph, double FPo, double LPo) {
  SunPosition p;
  p.HL = LocalHourAngle(eph.GHA, LPo);
  const double delta = eph.Delta * kSunDegree;
  const double phi = FPo * kSunDegree;
  const double x = HeightSine(std::sin(delta), std::cos(delta), std::sin(phi), std::cos(phi),
                              std::cos(p.HL * kSunDegree));
  p.h = ArcsineDegrees(x);

  // The truncated degree factor leaves cos 90° at about 5e-8, so a pole is
  // recognised by its latitude and the zenith or nadir by the height, as well
  // as by the vanishing denominator.
  const double h = p.h * kSunDegree;
  const double denominator = std::cos(h) * std::cos(phi);
  if (std::fabs(FPo) >= 90 || std::fabs(p.h) >= 90 || std::fabs(denominator) < kAzimuthDegenerate) {
    p.Az = FPo > 0 ? 180 : 0;
    return p;
  }
  const double q = (std::sin(delta) - std::sin(h) * std::sin(phi)) / denominator;
  p.Az = std::acos(std::clamp(q, -1.0, 1.0)) / kSunDegree;
  if (p.HL < 180) p.Az = 360 - p.Az;
  return p;
}

SubsolarPoint SubsolarPointOf(const SunEphemeris& eph) {
  return {eph.Delta, eph.GHA <= 180 ? eph.GHA : eph.GHA - 360};
}

TerminatorScan ScanForDeclination(float declination_deg) {
  if (declination_deg < -1 || declination_deg > 0) return {90, -90, -1};
  return {-90, 90, 1};
}

TerminatorScanner::TerminatorScanner(const SunEphemeris& eph, TerminatorScan scan)
    : gha_(eph.GHA),
      sin_delta_(std::sin(eph.Delta * kSunDegree)),
      cos_delta_(std::cos(eph.Delta * kSunDegree)),
      scan_end_(scan.ScanEnd) {
  // The walk below steps a 32-bit float latitude, as the display expects. A step
  // that cannot advance (0, NaN) or a start so far out that whole steps are
  // lost in a float would never end: such a scan visits nothing.
  const float step = scan.ScanStep;
  if (step == 0 || std::isnan(step) || std::abs(scan.ScanStart) > 32768) return;
  for (float lat = static_cast<float>(scan.ScanStart);
       step > 0 ? lat <= scan_end_ : lat >= scan_end_; lat += step) {
    const double rad = static_cast<double>(lat) * kSunDegree;
    rows_.push_back({lat, std::sin(rad), std::cos(rad)});
  }
}

float TerminatorScanner::Latitude(float lon_west_deg) const {
  const double cos_hl = std::cos(LocalHourAngle(gha_, lon_west_deg) * kSunDegree);
  // Only a height in (-1, 0) qualifies. A non-negative sine means h >= 0 and
  // a sine below -0.02 means h < -1.14°, so the arcsine is taken only in the
  // narrow band between, where it decides exactly as SunHeight would.
  constexpr double kWellBelow = -0.02;
  float result = 0;
  for (const Row& row : rows_) {
    const double x = HeightSine(sin_delta_, cos_delta_, row.sin_lat, row.cos_lat, cos_hl);
    if (x < 0 && x >= kWellBelow) {
      const float h = static_cast<float>(ArcsineDegrees(x));
      if (h < 0 && h > -1) return row.lat;
    }
    if (row.lat == scan_end_) result = 100;
  }
  return result;
}

float TerminatorLatitude(const SunEphemeris& eph, const TerminatorScan& scan, float lon_west_deg) {
  return TerminatorScanner(eph, scan).Latitude(lon_west_deg);
}

}  // namespace pellamar
