#include "solar/sun_ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>

#include "solar/sun_marker.h"

namespace pellamar {
namespace {

SunInstant At(double day, double month, double hours, float zone = 0, int year = 2007) {
  return {day, month, static_cast<std::int16_t>(year), hours / 24, zone};
}

// An ephemeris with only the two values the place computations read.
SunEphemeris Sun(double delta, double gha) { return {.Delta = delta, .GHA = gha}; }

// NOAA's solar position algorithm gives the same declinations, hour angles
// and right ascensions within 0.005°; the Julian days are those of the
// calendar, out-of-range days and months carried into the next or previous
// month. Faults: the Gregorian correction, January and February not months
// 13 and 14, the aberration term, 180° not added when cos λ < 0, the hour
// angle not brought into [0, 360), a right ascension below 0 wrapped.
TEST(SunEphemeris, WorkedValues) {
  const struct { double day, month; int year; double hours; double SunEphemeris::*field; double value; } cases[] = {
      {21, 3, 2007, 12, &SunEphemeris::J, 2454180.5},   {1, 13, 2006, 0, &SunEphemeris::J, 2454101.5},
      {1, 1, 2007, 0, &SunEphemeris::J, 2454101.5},     {29, 2, 2007, 0, &SunEphemeris::J, 2454160.5},
      {31, 2, 2008, 0, &SunEphemeris::J, 2454527.5},    {0, 5, 2007, 0, &SunEphemeris::J, 2454220.5},
      {1, 0, 2007, 0, &SunEphemeris::J, 2454070.5},     {21, 3, 2007, 12, &SunEphemeris::Delta, 0.194},
      {21, 3, 2007, 12, &SunEphemeris::GHA, 358.178},   {21, 6, 2007, 12, &SunEphemeris::Delta, 23.438},
      {21, 6, 2007, 12, &SunEphemeris::GHA, 359.578},   {21, 9, 2007, 12, &SunEphemeris::Alpha, 178.283},
      {21, 9, 2007, 12, &SunEphemeris::GHA, 1.702},     {21, 12, 2007, 12, &SunEphemeris::Delta, -23.436},
      {1, 1, 2007, 0, &SunEphemeris::Alpha, -78.936},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.day << "/" << c.month << "/" << c.year);
    EXPECT_NEAR(ComputeSunEphemeris(At(c.day, c.month, c.hours, 0, c.year)).*c.field, c.value, 5e-4);
  }
  // Local 10:00 in zone 19 is 15:00 UT of the day before (UT = -9 h); the
  // two sidereal-time series disagree by 4e-4° over a day.
  const SunEphemeris shifted = ComputeSunEphemeris(At(21, 6, 10, 19));
  EXPECT_NEAR(shifted.GHA, ComputeSunEphemeris(At(20, 6, 15)).GHA, 1e-3);
  EXPECT_TRUE(shifted.Theta >= 0 && shifted.Theta < 24) << shifted.Theta;
}

// Faults: east and west swapped (afternoon azimuths below 180), the hour
// angle not wrapped, a pole's or the zenith's azimuth left as NaN or on
// the wrong side, the height beyond ±90 from the truncated degree factor.
TEST(SunPosition, AzimuthHeightPolesAndZenith) {
  const struct { double delta, gha, FPo, LPo, az_min, az_max; } cases[] = {
      {0.194, 0, 48.85, 0, 180 - 1e-5, 180 + 1e-5},  // noon, due south
      {10, 300, 45, 0, 0, 179.9},                    // morning, east
      {10, 60, 45, 0, 180.1, 360},                   // afternoon, west
      {10, 10, 45, 30, 0, 179.9},                    // hour angle 340, not -20
      {23.438, 100, 90, 0, 180, 180},                // north pole
      {-23.436, 250, -90, 0, 0, 0},                  // south pole
      {0, 30, 0, 30, 0, 0},                          // Sun at the zenith
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.gha << " " << c.FPo);
    const double az = SunPositionAt(Sun(c.delta, c.gha), c.FPo, c.LPo).Az;
    EXPECT_TRUE(az >= c.az_min && az <= c.az_max) << az;
  }
  EXPECT_NEAR(SunPositionAt(Sun(10, 350), 45, -30).HL, 20, 1e-9);
  // Heights of exactly +90 and -90 (sine exactly ±1), never 90.0000027.
  EXPECT_EQ(SunPositionAt(Sun(0, 30), 0, 30).h, 90.0);
  EXPECT_EQ(SunPositionAt(Sun(-90, 180), 90, 0).h, -90.0);
  EXPECT_EQ(SunHeight(Sun(0, 30), 0, 30), 90.0f);
}

// On the midnight meridian with declination 0.5 the Sun is 0.5° below the
// horizon both at the south pole and at 89° N; on the noon meridian with
// declination -0.5 only at the north pole. Faults: the scan's direction,
// the end of the scan not returned, 100 not given when nothing qualifies
// or given when the end was never met, a start beyond the end or a zero
// step looping.
TEST(SunTerminator, DirectionAndEndOfTheScan) {
  const struct { double delta, gha; TerminatorScan scan; float lat; } cases[] = {
      {0.5, 180, {-90, 90, 1}, -90},   {0.5, 180, {90, -90, -1}, 89},  {-0.5, 0, {-90, 90, 1}, 90},
      {-23.44, 0, {-90, -80, 1}, 100}, {-23.44, 0, {90, -90, 1}, 0},   {-23.44, 0, {-90, 90, 0}, 0},
      {-23.44, 0, {-90, 90, 7}, 0},  // steps past the end without meeting it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.scan.ScanStart << " " << c.scan.ScanStep);
    EXPECT_EQ(TerminatorLatitude(Sun(c.delta, c.gha), c.scan, 0), c.lat);
  }
  // Declinations below -1° or above 0 scan southward from 90.
  for (const auto& [delta, start] : {std::pair{-1.01f, 90}, {-1.0f, -90}, {0.0f, -90}, {0.01f, 90}}) {
    SCOPED_TRACE(delta);
    const TerminatorScan s = ScanForDeclination(delta);
    EXPECT_TRUE(s.ScanStart == start && s.ScanEnd == -start && s.ScanStep == (start > 0 ? -1 : 1));
  }
}

// Faults: halves rounded away from zero, no saturation, NaN not caught.
TEST(SunInstant, RoundToInt16HalvesToEvenAndSaturates) {
  for (const auto& [in, out] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {21.6, 22}, {1e9, 32767},
                                {-1e9, -32768}, {NAN, 0}}) {
    SCOPED_TRACE(in);
    EXPECT_EQ(RoundToInt16(in), out);
  }
}

// The image's centre on the subsolar point, on a map of 60 twips a degree
// both ways. Its east longitude is -GHA, so GHA 180 is drawn at the west
// edge. Faults: the longitude's sign, the centre of the view ignored, 180
// taken to the east edge, the image's width used for its height.
TEST(SunMarker, StandsOnTheSubsolarPoint) {
  const struct { SunEphemeris sun; float lat, lon; double east, north; } cases[] = {
      {ComputeSunEphemeris(At(21, 3, 12)), 0, 0, 1.822, 0.194},
      {Sun(5, 180), -10, 30, -180, 5},
      {Sun(5, 180.001), -10, 30, 179.999, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.east);
    const SunMarkerMap m{c.lat, c.lon, 1, 1, 10800, 5400, 480, 320};
    const SunMarkerPlace p = PlaceSunMarker(c.sun, m);
    EXPECT_NEAR((p.Xpi + 240 - m.Xc) / 60 + c.lon, c.east, 5e-4);
    EXPECT_NEAR(c.lat - (p.Ypi + 160 - m.Yc) / 60, c.north, 5e-4);
    EXPECT_EQ(p.left, static_cast<float>(p.Xpi));
    EXPECT_EQ(p.top, static_cast<float>(p.Ypi));
  }
}

}  // namespace
}  // namespace pellamar
