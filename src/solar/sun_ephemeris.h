#pragma once

#include <cstdint>
#include <vector>

#include "solar/sun_instant.h"

namespace pellamar {

// Where the Sun stands at one instant: the low-precision series counted in
// Julian centuries from 1900 January 0.5 (JD 2415020), with the matching
// Greenwich mean sidereal time. Angles in degrees, converted with kSunDegree.
// Longitudes given to or produced by the Sun computations are WEST-positive.
struct SunEphemeris {
  double J = 0;            // Julian Day of 0 h UT of the date
  double T = 0;            // centuries from the epoch to 0 h UT of the date
  double T1 = 0;           // the same, to the instant
  double UT = 0;           // hours, not brought into a day (may be < 0 or >= 24)
  double Theta = 0;        // Greenwich mean sidereal time, hours, [0, 24)
  double MeanAnomaly = 0;  // degrees, not reduced
  double Lambda = 0;       // apparent ecliptic longitude, degrees, not reduced
  double Epsilon = 0;      // obliquity, degrees
  double Alpha = 0;        // right ascension, degrees, (-90, 270)
  double Delta = 0;        // declination, degrees
  double GHA = 0;          // Greenwich hour angle, westward, degrees, [0, 360)
};

// The ephemeris at `instant`. Out-of-range day and month values are carried
// into neighbouring months and years by the calendar arithmetic. Evaluate it
// once and share it between the computations below.
[[nodiscard]] SunEphemeris ComputeSunEphemeris(const SunInstant& instant);

// The declination, degrees, as a 32-bit float.
[[nodiscard]] float SunDeclination(const SunEphemeris& eph);

// Height of the Sun's centre above the horizon, degrees in [-90, 90], without
// refraction or parallax, at latitude `lat_deg` (north-positive) and
// `lon_west_deg` (west-positive).
[[nodiscard]] float SunHeight(const SunEphemeris& eph, float lat_deg, float lon_west_deg);

// The Sun seen from a place: local hour angle, height and azimuth.
struct SunPosition {
  double HL = 0;  // local hour angle, degrees, [0, 360]; below 180 in the afternoon
  double h = 0;   // height, degrees, [-90, 90]
  double Az = 0;  // azimuth from north through east, degrees, [0, 360]
};

// Height and azimuth at latitude `FPo` (degrees, north-positive) and
// longitude `LPo` (degrees, west-positive). At a pole, or with the Sun at the
// zenith or nadir, where the azimuth has no value, Az is 180 for a northern
// place and 0 otherwise. Never NaN for finite input.
[[nodiscard]] SunPosition SunPositionAt(const SunEphemeris& eph, double FPo, double LPo);

// The point where the Sun stands at the zenith.
struct SubsolarPoint {
  double latitude_deg = 0;  // the declination
  double Ls = 0;            // west-positive longitude, degrees, (-180, 180]
};

// The subsolar point: latitude Delta, Ls = GHA, or GHA - 360 above 180.
[[nodiscard]] SubsolarPoint SubsolarPointOf(const SunEphemeris& eph);

// Direction of the meridian scan for the day/night boundary.
struct TerminatorScan {
  int ScanStart = -90;
  std::int16_t ScanEnd = 90;
  float ScanStep = 1;
};

// The scan for a declination: from 90 down to -90 when it is below -1 or
// above 0, from -90 up to 90 when it lies in [-1, 0].
[[nodiscard]] TerminatorScan ScanForDeclination(float declination_deg);

// Searches meridians for the day/night boundary with one ephemeris, so a
// whole scan sees one instant. Walks from ScanStart to ScanEnd by ScanStep
// and returns the first whole latitude where the Sun is strictly between 0
// and 1 degree below the horizon; 100 when none is; ScanEnd itself when that
// is the one. A scan whose start lies beyond its end in its own direction
// visits nothing and returns 0; a step of 0 (or NaN) also visits nothing.
class TerminatorScanner {
 public:
  TerminatorScanner(const SunEphemeris& eph, TerminatorScan scan);

  // Latitude of the boundary, degrees, on the meridian `lon_west_deg`
  // (west-positive), or 100.
  [[nodiscard]] float Latitude(float lon_west_deg) const;

 private:
  struct Row {
    float lat;
    double sin_lat;
    double cos_lat;
  };
  double gha_ = 0;
  double sin_delta_ = 0;
  double cos_delta_ = 0;
  float scan_end_ = 0;
  std::vector<Row> rows_;  // the scan's latitudes in scan order
};

// One meridian's boundary latitude (see TerminatorScanner); for many
// meridians build one TerminatorScanner instead.
[[nodiscard]] float TerminatorLatitude(const SunEphemeris& eph, const TerminatorScan& scan,
                                       float lon_west_deg);

}  // namespace pellamar
