#include "solar/sun_ephemeris.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

namespace pellamar {
namespace {

SunInstant At(double day, double month, int year, double hours, float zone = 0) {
  return {day, month, static_cast<std::int16_t>(year), hours / 24, zone};
}

std::string Fixed3(double v) {
  char buf[64];
  return std::string(buf, std::to_chars(buf, buf + 64, v, std::chars_format::fixed, 3).ptr);
}

// An ephemeris with only the two values the place computations read.
SunEphemeris Sun(double delta, double gha) { return {.Delta = delta, .GHA = gha}; }

TEST(SunEphemeris, WorkedValues) {
  const SunEphemeris march = ComputeSunEphemeris(At(21, 3, 2007, 12));
  EXPECT_EQ(march.J, 2454180.5);
  EXPECT_EQ(Fixed3(march.Delta), "0.194");
  EXPECT_EQ(Fixed3(march.GHA), "358.178");
  const SunEphemeris june = ComputeSunEphemeris(At(21, 6, 2007, 12));
  EXPECT_EQ(Fixed3(june.Delta), "23.438");
  EXPECT_EQ(Fixed3(june.GHA), "359.578");  // -0.422 brought into [0, 360)
  // In September the longitude's cosine is negative: 180° is added.
  const SunEphemeris september = ComputeSunEphemeris(At(21, 9, 2007, 12));
  EXPECT_EQ(Fixed3(september.Alpha), "178.283");
  EXPECT_EQ(Fixed3(september.GHA), "1.702");
  EXPECT_EQ(Fixed3(ComputeSunEphemeris(At(21, 12, 2007, 12)).Delta), "-23.436");
  // 1 January 2007 at 00:00 UT: a right ascension below 0 is kept.
  EXPECT_EQ(Fixed3(ComputeSunEphemeris(At(1, 1, 2007, 0)).Alpha), "-78.936");
}

TEST(SunEphemeris, CalendarCarriesOver) {
  auto j = [](double d, double m, int y) { return ComputeSunEphemeris(At(d, m, y, 0)).J; };
  EXPECT_EQ(j(1, 1, 2007), j(1, 13, 2006));    // January is month 13 of the year before
  EXPECT_EQ(j(28, 2, 2007), j(28, 14, 2006));  // February is month 14
  EXPECT_EQ(j(1, 3, 2008) - j(29, 2, 2008), 1);  // leap year
  EXPECT_EQ(j(29, 2, 2007), j(1, 3, 2007));    // no 29 February in 2007
  EXPECT_EQ(j(31, 2, 2008), j(2, 3, 2008));    // a 31 February typed in the box
  EXPECT_EQ(j(0, 5, 2007), j(30, 4, 2007));    // day 0: last day of the month before
  EXPECT_EQ(j(1, 0, 2007), j(1, 12, 2006));    // month 0: December of the year before
}

TEST(SunEphemeris, NegativeUniversalTimeIsTheDayBefore) {
  // Local 10:00 in zone 19 is 15:00 UT of the day before (UT = -9 h).
  const SunEphemeris shifted = ComputeSunEphemeris(At(21, 6, 2007, 10, 19));
  const SunEphemeris plain = ComputeSunEphemeris(At(20, 6, 2007, 15, 0));
  // Sidereal time grows from T and UT by two series that disagree by 4e-4°
  // over one day; the day before is the same instant to within that.
  EXPECT_NEAR(shifted.GHA, plain.GHA, 1e-3);
  EXPECT_TRUE(shifted.Theta >= 0 && shifted.Theta < 24) << shifted.Theta;
}

TEST(SunPosition, AzimuthByHourAngleAtThePolesAndNeverNaN) {
  struct Case { const char* name; double delta, gha, FPo, LPo, az_min, az_max; };
  const Case cases[] = {
      {"noon, due south", 0.194, 0, 48.85, 0, 180 - 1e-5, 180 + 1e-5},
      {"morning, east", 10, 300, 45, 0, 0, 179.9},
      {"afternoon, west", 10, 60, 45, 0, 180.1, 360},
      {"morning, the hour angle brought up through 0", 10, 10, 45, 30, 0, 179.9},
      {"north pole", 23.438, 100, 90, 0, 180, 180},
      {"south pole", -23.436, 250, -90, 0, 0, 0},
      {"Sun at the zenith, on the equator", 0, 30, 0, 30, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SunPosition p = SunPositionAt(Sun(c.delta, c.gha), c.FPo, c.LPo);
    EXPECT_TRUE(p.Az >= c.az_min && p.Az <= c.az_max) << p.Az;
    EXPECT_FALSE(std::isnan(p.h));
  }
  // GHA 10° seen from 30° W: 340°, not -20°; 350° seen from 30° E: 20°.
  EXPECT_NEAR(SunPositionAt(Sun(10, 10), 45, 30).HL, 340, 1e-9);
  EXPECT_NEAR(SunPositionAt(Sun(10, 350), 45, -30).HL, 20, 1e-9);
  for (double dec : {-23.44, -0.5, 0.0, 0.194, 23.44})
    for (double lat = -90; lat <= 90; lat += 0.25)
      for (double lon = -180; lon <= 180; lon += 7.5) {
        const SunPosition p = SunPositionAt(Sun(dec, 358.178), lat, lon);
        ASSERT_TRUE(std::isfinite(p.h) && p.Az >= 0 && p.Az <= 360)
            << dec << ' ' << lat << ' ' << lon;
      }
}

TEST(SunPosition, HeightIsExactlyNinetyAtTheZenithAndNadir) {
  // Sine of the height exactly 1 (Sun on the equator over the meridian of an
  // equatorial place) and exactly -1 (declination -90 under the North Pole at
  // hour angle 180): the truncated degree factor must not make 90.0000027.
  EXPECT_EQ(SunPositionAt(Sun(0, 30), 0, 30).h, 90.0);
  EXPECT_EQ(SunPositionAt(Sun(-90, 180), 90, 0).h, -90.0);
  // sin²φ + cos²φ one rounding step below 1: just under 90, never NaN.
  const double h = SunPositionAt(Sun(23.438, 0), 23.438, 0).h;
  EXPECT_TRUE(h > 89.9999 && h <= 90) << h;
  EXPECT_EQ(SunHeight(Sun(0, 30), 0, 30), 90.0f);
}

TEST(SunTerminator, ScannerMatchesTheLatitudeWalkOnEveryMeridian) {
  // The plain walk, one SunHeight per latitude, that the scanner's shortcut
  // must reproduce exactly.
  auto walk = [](const SunEphemeris& e, const TerminatorScan& s, float lw) {
    for (float lat = s.ScanStart; lat != s.ScanEnd + s.ScanStep; lat += s.ScanStep) {
      const float h = SunHeight(e, lat, lw);
      if (h < 0 && h > -1) return lat;
    }
    return 100.0f;
  };
  for (const SunInstant& when : {At(21, 3, 2007, 12), At(21, 6, 2007, 3.5), At(21, 12, 2007, 18),
                                 At(5, 10, 2007, 7.25, -5)}) {
    const SunEphemeris e = ComputeSunEphemeris(when);
    for (const TerminatorScan scan : {TerminatorScan{}, ScanForDeclination(SunDeclination(e)),
                                      TerminatorScan{90, -90, -1}}) {
      const TerminatorScanner scanner(e, scan);
      for (float lw = -180; lw <= 180; ++lw)
        ASSERT_EQ(scanner.Latitude(lw), walk(e, scan, lw))
            << "meridian " << lw << " month " << when.M << " step " << scan.ScanStep;
    }
  }
}

TEST(SunTerminator, DirectionAndEndOfTheScan) {
  struct Case { const char* name; double delta, gha; TerminatorScan scan; float lat; };
  // On the midnight meridian with declination 0.5 the Sun is 0.5° below the
  // horizon both at the south pole and at 89° N; on the noon meridian with
  // declination -0.5 only at the north pole.
  const Case cases[] = {
      {"northward: the south pole comes first", 0.5, 180, {-90, 90, 1}, -90},
      {"southward: 89 N comes first", 0.5, 180, {90, -90, -1}, 89},
      {"the scan end itself is returned", -0.5, 0, {-90, 90, 1}, 90},
      {"nothing found", -23.44, 0, {-90, -80, 1}, 100},
      {"start past the end visits nothing", -23.44, 0, {90, -90, 1}, 0},
      {"a zero step visits nothing", -23.44, 0, {-90, 90, 0}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TerminatorLatitude(Sun(c.delta, c.gha), c.scan, 0), c.lat);
  }
  // Declinations below -1° scan southward from 90; the others northward from -90.
  for (const auto& [delta, start] : {std::pair{-23.4f, 90}, {-1.01f, 90}, {-1.0f, -90},
                                     {0.0f, -90}, {0.01f, 90}, {23.4f, 90}}) {
    SCOPED_TRACE(delta);
    const TerminatorScan s = ScanForDeclination(delta);
    EXPECT_TRUE(s.ScanStart == start && s.ScanEnd == -start && s.ScanStep == (start > 0 ? -1 : 1));
  }
}

TEST(SunInstant, RoundToInt16HalvesToEvenAndSaturates) {
  for (const auto& [in, out] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {21.6, 22}, {1e9, 32767},
                                {-1e9, -32768}, {NAN, 0}}) {
    SCOPED_TRACE(in);
    EXPECT_EQ(RoundToInt16(in), out);
  }
}

}  // namespace
}  // namespace pellamar
