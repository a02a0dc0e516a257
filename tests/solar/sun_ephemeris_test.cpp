#include "solar/sun_ephemeris.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

#include "solar/clock.h"

namespace pellamar {
namespace {

SunInstant At(double day, double month, int year, double hours, float zone = 0) {
  SunInstant i;
  i.D = day;
  i.M = month;
  i.Y = static_cast<std::int16_t>(year);
  i.t = hours / 24;
  i.TimeZone = zone;
  return i;
}

std::string Fixed(double v, int decimals) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  return std::string(buf, end);
}

// An ephemeris with only the two values the place computations read.
SunEphemeris Sun(double delta, double gha) {
  SunEphemeris e;
  e.Delta = delta;
  e.GHA = gha;
  return e;
}

TEST(SunEphemeris, WorkedValues) {
  // Worked values of the ephemeris: clock 12:00, zone 0, year 2007.
  const SunEphemeris march = ComputeSunEphemeris(At(21, 3, 2007, 12));
  EXPECT_EQ(march.J, 2454180.5);
  EXPECT_EQ(Fixed(march.Delta, 3), "0.194");
  EXPECT_EQ(Fixed(march.GHA, 3), "358.178");
  EXPECT_EQ(Fixed(ComputeSunEphemeris(At(21, 6, 2007, 12)).Delta, 3), "23.438");
  EXPECT_EQ(Fixed(ComputeSunEphemeris(At(21, 12, 2007, 12)).Delta, 3), "-23.436");
  // 1 January 2007 at 00:00 UT: the right ascension below 0 is kept.
  EXPECT_EQ(Fixed(ComputeSunEphemeris(At(1, 1, 2007, 0)).Alpha, 3), "-78.936");
}

TEST(SunEphemeris, JanuaryAndFebruaryAreMonths13And14OfThePrecedingYear) {
  for (double day : {1.0, 15.0, 28.0}) {
    SCOPED_TRACE(day);
    EXPECT_EQ(ComputeSunEphemeris(At(day, 1, 2007, 12)).J,
              ComputeSunEphemeris(At(day, 13, 2006, 12)).J);
    EXPECT_EQ(ComputeSunEphemeris(At(day, 2, 2007, 12)).J,
              ComputeSunEphemeris(At(day, 14, 2006, 12)).J);
  }
  EXPECT_EQ(ComputeSunEphemeris(At(1, 1, 2007, 0)).J - ComputeSunEphemeris(At(31, 12, 2006, 0)).J,
            1);
}

TEST(SunEphemeris, LeapDayAndOutOfRangeDaysCarryOver) {
  auto j = [](double d, double m, int y) { return ComputeSunEphemeris(At(d, m, y, 0)).J; };
  EXPECT_EQ(j(1, 3, 2008) - j(29, 2, 2008), 1);  // leap year
  EXPECT_EQ(j(1, 3, 2007) - j(28, 2, 2007), 1);
  EXPECT_EQ(j(29, 2, 2007), j(1, 3, 2007));    // no 29 February in 2007
  EXPECT_EQ(j(31, 2, 2008), j(2, 3, 2008));    // a 31 February typed in the box
  EXPECT_EQ(j(0, 5, 2007), j(30, 4, 2007));    // day 0: last day of the month before
  EXPECT_EQ(j(1, 0, 2007), j(1, 12, 2006));    // month 0: December of the year before
}

TEST(SunEphemeris, NegativeUniversalTimeIsTheDayBefore) {
  // Local 10:00 in zone 19 is 15:00 UT of the day before (UT = -9 h).
  const SunEphemeris shifted = ComputeSunEphemeris(At(21, 6, 2007, 10, 19));
  const SunEphemeris plain = ComputeSunEphemeris(At(20, 6, 2007, 15, 0));
  EXPECT_DOUBLE_EQ(shifted.UT, -9);
  EXPECT_NEAR(shifted.T1, plain.T1, 1e-15);
  EXPECT_NEAR(shifted.Delta, plain.Delta, 1e-9);
  // Sidereal time grows from T and UT by two series that disagree by 4e-4°
  // over one day; the day before is the same instant to within that.
  EXPECT_NEAR(shifted.GHA, plain.GHA, 1e-3);
  EXPECT_GE(shifted.Theta, 0);
  EXPECT_LT(shifted.Theta, 24);
}

TEST(SunPosition, HourAngleZeroIsDueSouthAnd360StaysAt360) {
  const SunPosition noon = SunPositionAt(Sun(0.194, 0), 48.85, 0);
  EXPECT_EQ(noon.HL, 0);
  EXPECT_NEAR(noon.Az, 180, 1e-5);  // the truncated degree factor
  EXPECT_NEAR(noon.h, 90 - 48.85 + 0.194, 1e-4);
  EXPECT_EQ(SunPositionAt(Sun(0.194, 0), 48.85, -360).HL, 360);
}

TEST(SunPosition, AzimuthHalvesFollowTheHourAngle) {
  // Morning Sun (HL > 180) in the east, afternoon Sun (HL < 180) in the west.
  EXPECT_LT(SunPositionAt(Sun(10, 300), 45, 0).Az, 180);
  EXPECT_GT(SunPositionAt(Sun(10, 60), 45, 0).Az, 180);
}

TEST(SunPosition, PolesAndZenithHaveAFixedAzimuthAndNoNaN) {
  struct Case {
    const char* name;
    double delta, gha, FPo, LPo, az;
  };
  const Case cases[] = {
      {"north pole", 23.438, 100, 90, 0, 180},
      {"north pole, other meridian", -5, 10, 90, 123.4, 180},
      {"south pole", -23.436, 250, -90, 0, 0},
      {"Sun at the zenith, on the equator", 0, 30, 0, 30, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SunPosition p = SunPositionAt(Sun(c.delta, c.gha), c.FPo, c.LPo);
    EXPECT_EQ(p.Az, c.az);
    EXPECT_FALSE(std::isnan(p.h));
  }
}

TEST(SunPosition, NeverNaNAnywhere) {
  for (double delta : {-23.44, -0.5, 0.0, 0.194, 23.44}) {
    for (double FPo = -90; FPo <= 90; FPo += 0.25) {
      for (double LPo = -180; LPo <= 180; LPo += 7.5) {
        const SunPosition p = SunPositionAt(Sun(delta, 358.178), FPo, LPo);
        ASSERT_TRUE(std::isfinite(p.h) && std::isfinite(p.Az)) << delta << ' ' << FPo << ' ' << LPo;
        ASSERT_GE(p.Az, 0);
        ASSERT_LE(p.Az, 360);
      }
    }
  }
}

TEST(SunMarkerPoint, SubsolarLongitudeWrapsAbove180) {
  EXPECT_EQ(SubsolarPointOf(Sun(0, 180)).Ls, 180);
  EXPECT_NEAR(SubsolarPointOf(Sun(0, 180.001)).Ls, -179.999, 1e-9);
  EXPECT_EQ(SubsolarPointOf(Sun(0, 0)).Ls, 0);
}

// The plain per-meridian walk, one SunHeight per latitude: what the
// scanner's shortcut must reproduce exactly.
float WalkMeridian(const SunEphemeris& e, const TerminatorScan& s, float lw) {
  float result = 0;
  for (float lat = static_cast<float>(s.ScanStart);
       s.ScanStep > 0 ? lat <= s.ScanEnd : lat >= s.ScanEnd; lat += s.ScanStep) {
    const float h = SunHeight(e, lat, lw);
    if (h < 0 && h > -1) return lat;
    if (lat == s.ScanEnd) result = 100;
  }
  return result;
}

TEST(SunTerminator, ScannerMatchesTheLatitudeWalkOnEveryMeridian) {
  for (const SunInstant& when : {At(21, 3, 2007, 12), At(21, 6, 2007, 3.5), At(21, 12, 2007, 18),
                                 At(5, 10, 2007, 7.25, -5)}) {
    const SunEphemeris e = ComputeSunEphemeris(when);
    for (const TerminatorScan scan : {TerminatorScan{}, ScanForDeclination(SunDeclination(e)),
                                      TerminatorScan{90, -90, -1}}) {
      const TerminatorScanner scanner(e, scan);
      for (int lw = -180; lw <= 180; ++lw) {
        ASSERT_EQ(scanner.Latitude(static_cast<float>(lw)), WalkMeridian(e, scan, lw))
            << "meridian " << lw << " month " << when.M << " step " << scan.ScanStep;
      }
    }
  }
}

TEST(SunTerminator, ScanDirectionDecidesWhichLatitudeComesFirst) {
  // Midnight meridian (HL = 180), declination 0.5: the Sun is 0.5° below the
  // horizon both at the south pole and at 89° N.
  const SunEphemeris e = Sun(0.5, 180);
  EXPECT_EQ(TerminatorLatitude(e, {-90, 90, 1}, 0), -90);
  EXPECT_EQ(TerminatorLatitude(e, {90, -90, -1}, 0), 89);
}

TEST(SunTerminator, ScanEndItselfIsReturnedAndOtherwise100) {
  // Noon meridian, declination -0.5: only the north pole has the Sun in the
  // band below the horizon.
  EXPECT_EQ(TerminatorLatitude(Sun(-0.5, 0), {-90, 90, 1}, 0), 90);
  // South of 80° S in December the Sun is well up at noon: nothing found.
  EXPECT_EQ(TerminatorLatitude(Sun(-23.44, 0), {-90, -80, 1}, 0), 100);
  // A scan that starts past its end visits nothing and keeps the initial 0;
  // a zero step would never end and visits nothing either.
  EXPECT_EQ(TerminatorLatitude(Sun(-23.44, 0), {90, -90, 1}, 0), 0);
  EXPECT_EQ(TerminatorLatitude(Sun(-23.44, 0), {-90, 90, 0}, 0), 0);
}

TEST(SunTerminator, ScanForDeclination) {
  struct Case {
    float delta;
    int start;
    float step;
  };
  for (const Case& c : {Case{-23.4f, 90, -1}, Case{-1.01f, 90, -1}, Case{-1, -90, 1},
                        Case{-0.5f, -90, 1}, Case{0, -90, 1}, Case{0.01f, 90, -1},
                        Case{23.4f, 90, -1}}) {
    SCOPED_TRACE(c.delta);
    const TerminatorScan s = ScanForDeclination(c.delta);
    EXPECT_EQ(s.ScanStart, c.start);
    EXPECT_EQ(s.ScanEnd, -c.start);
    EXPECT_EQ(s.ScanStep, c.step);
  }
}

TEST(SunInstantFromBoxes, LeadingNumbersAndTheClock) {
  const FixedClock clock({2007, 6, 21}, 12 * 3600 + 30, 2);
  const SunInstant i = MakeSunInstant(" 2 1", "6mois", clock, -5);
  EXPECT_EQ(i.D, 21);
  EXPECT_EQ(i.M, 6);
  EXPECT_EQ(i.Y, 2007);
  EXPECT_DOUBLE_EQ(i.t, (12 * 3600 + 30) / 86400.0);
  EXPECT_EQ(i.TimeZone, -5);
  EXPECT_EQ(MakeSunInstant("jour", "", clock, 0).D, 0);
}

TEST(SunInstantFromBoxes, RoundToInt16HalvesToEven) {
  struct Case {
    double in;
    int out;
  };
  for (const Case& c : {Case{2.5, 2}, Case{3.5, 4}, Case{-2.5, -2}, Case{21.4, 21},
                        Case{21.6, 22}, Case{1e9, 32767}, Case{-1e9, -32768}, Case{NAN, 0}}) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(RoundToInt16(c.in), c.out);
  }
}

}  // namespace
}  // namespace pellamar
