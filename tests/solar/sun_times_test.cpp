#include "solar/sun_times.h"

#include <gtest/gtest.h>

#include <cmath>

#include "solar/solar_clock.h"
#include "solar/sun_angles.h"

namespace pellamar {
namespace {

constexpr const char* kNoRise = "Le Soleil ne se lève pas !";
constexpr const char* kNoSet = "Le Soleil ne se couche pas !";

// NOAA's algorithm gives these transits, sunrises and sunsets (2007) within
// a minute; a null rise or set is not checked. Faults: the refraction depression,
// the longitude's sign, the zone applied in UT, the two messages swapped,
// a rise before 0 h or a set after 24 h not brought into the day, months
// 1 to 3 not counted as the right months of the year from 1 March.
TEST(SunTimes, WorkedDays) {
  const struct { std::int16_t day, month; double lat, lon_east; bool hloc; float zone;
                 const char *tp, *tl, *tc, *label10; } cases[] = {
      {21, 6, 48.85, 2.35, false, 0, "11:52:21", "03:46", "19:57", ""},     // Paris
      {21, 12, 48.85, 2.35, false, 0, "11:48:41", "07:41", "15:56", ""},
      {21, 6, 70, 0, false, 0, "12:01:46", "---", "---", kNoSet},
      {21, 6, -90, 0, false, 0, "12:01:46", "---", "---", kNoRise},         // a pole: never NaN
      {12, 2, 0, 0, false, 0, "12:14:14", nullptr, nullptr, ""},
      {21, 6, 40.7, -74, true, 19, "11:57:48", "04:25", "19:30", ""},      // New York, local
      {21, 6, 40.7, -74, false, -5, "16:57:48", "09:25", "00:30", ""},     // and in UT
      {21, 6, 35.7, 139.7, false, 0, "02:42:52", "19:25", "10:00", ""},    // Tokyo: rise the evening before
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lat << " " << c.month);
    const SunTimesResult r = SunTimes(c.day, c.month, c.lon_east, c.lat, c.hloc, c.zone);
    EXPECT_EQ(r.TP, c.tp);
    if (c.tl) EXPECT_EQ(r.tl, c.tl);
    if (c.tc) EXPECT_EQ(r.tc, c.tc);
    EXPECT_EQ(r.Label10, c.label10);
  }
  // The equation of time, almanac: 16.4 min on 1 November, 7.3 min on 21 March.
  EXPECT_NEAR(SunTimes(1, 11, 0, 0, false, 0).EquationOfTime, -0.071555, 5e-6);  // -16.40 min
  EXPECT_NEAR(SunTimes(21, 3, 0, 0, false, 0).EquationOfTime, 0.031371, 5e-6);   // 7.19 min
  // Zone 19: transit 35.96 h, rise 28.42 h, set 43.51 h brought back by 24.
  const SunTimesResult ny = SunTimes(21, 6, -74, 40.7, true, 19);
  ASSERT_TRUE(ny.rise_hours && ny.set_hours);
  EXPECT_NEAR(ny.transit_hours, 35.96, 0.005);
  EXPECT_NEAR(*ny.rise_hours, 28.42, 0.005);
  EXPECT_NEAR(*ny.set_hours, 19.51, 0.005);
  EXPECT_NEAR(ny.latitude_rad, 0.710349, 1e-6);
  EXPECT_NEAR(ny.longitude_west_rad, 1.291544, 1e-6);
  EXPECT_NEAR(SunTimes(21, 6, 139.7, 35.7, false, 0).rise_hours.value(), 19.426, 0.005);  // -4.574 + 24
}

// Faults: a negative hour not wrapped, minutes rounded, the second not.
TEST(SunTimesFormat, WrapsAndRoundsToTheSecond) {
  const struct { double hours; bool seconds; const char* text; } cases[] = {
      {-25.0, true, "23:00:00"},
      {(5 * 3600 + 59.6) / 3600, false, "05:01"},
      {(23 * 3600 + 59 * 60 + 59.6) / 3600, true, "00:00:00"},
      {NAN, false, "---"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hours);
    EXPECT_EQ(FormatTimeOfDay(c.hours, c.seconds), c.text);
  }
}

// Local apparent solar time, worked by hand: 4 minutes a degree east, the
// equation of time (here the negative of the usual one) taken off.
// Faults: the longitude's or the equation's sign, the zone added, minutes
// truncated, the hour not wrapped, non-finite input shown as a time.
TEST(ShowClock, LocalApparentSolarTime) {
  constexpr double kDegree = Pi / 180;
  const struct { double eot, zone, long_west, clock_hours; const char* expected; } cases[] = {
      {-0.0130900, 2, -15 * kDegree, 14, "13:03"},  // 12:00 UT + 60 min + 3 min
      {0, 0, 75 * kDegree, 12, "07:00"},
      {0, -5, 0, 7, "12:00"},
      {0.0130900, 0, 0, 12, "11:57"},
      {0, 19, Pi, 0, "17:00"},                        // 31 h before midnight
      {0, -14, -Pi, 23.75, "01:45"},
      {0, 0, 0, 23 + 59.6 / 60, "00:00"},
      {0, 0, 0, 10 + 7.6 / 60, "10:08"},
      {NAN, 0, 0, 12, "--:--"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(ShowClock(c.eot, c.zone, c.long_west, c.clock_hours / 24), c.expected);
  }
}

}  // namespace
}  // namespace pellamar
