#include "solar/sun_times.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

namespace pellamar {
namespace {

constexpr const char* kNoRise = "Le Soleil ne se lève pas !";
constexpr const char* kNoSet = "Le Soleil ne se couche pas !";

TEST(SunTimes, WorkedDays) {
  // Worked values, year-independent; a null text is not checked.
  struct Case { const char* name; std::int16_t day, month; double lat, lon_east; bool hloc;
                float zone; const char *tp, *tl, *tc, *label10; };
  const Case cases[] = {
      {"Paris, 21 June", 21, 6, 48.85, 2.35, false, 0, "11:52:21", "03:46", "19:57", ""},
      {"Paris, 21 December", 21, 12, 48.85, 2.35, false, 0, "11:48:41", "07:41", "15:56", ""},
      {"70 N, 21 June", 21, 6, 70, 0, false, 0, "12:01:46", "---", "---", kNoSet},
      {"70 N, 21 December", 21, 12, 70, 0, false, 0, nullptr, "---", "---", kNoRise},
      // At the poles cos(latitude) is tiny but not zero: a message, never NaN.
      {"north pole, June", 21, 6, 90, 0, false, 0, "12:01:46", "---", "---", kNoSet},
      {"south pole, June", 21, 6, -90, 0, false, 0, "12:01:46", "---", "---", kNoRise},
      {"0, 0, 1 November", 1, 11, 0, 0, false, 0, "11:43:36", nullptr, nullptr, ""},
      {"0, 0, 12 February (month 14)", 12, 2, 0, 0, false, 0, "12:14:14", nullptr, nullptr, ""},
      {"New York, local, zone 19", 21, 6, 40.7, -74, true, 19, "11:57:48", "04:25", "19:30", ""},
      {"New York, local, zone -5", 21, 6, 40.7, -74, true, -5, "11:57:48", "04:25", "19:30", ""},
      {"New York, UT, zone ignored", 21, 6, 40.7, -74, false, -5, "16:57:48", "09:25", "00:30", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SunTimesResult r = SunTimes(c.day, c.month, c.lon_east, c.lat, c.hloc, c.zone);
    if (c.tp) EXPECT_EQ(r.TP, c.tp);
    if (c.tl) EXPECT_EQ(r.tl, c.tl);
    if (c.tc) EXPECT_EQ(r.tc, c.tc);
    EXPECT_EQ(r.Label10, c.label10);
  }
  EXPECT_NEAR(SunTimes(1, 11, 0, 0, false, 0).EquationOfTime, -0.07155, 5e-6);
  EXPECT_NEAR(SunTimes(12, 2, 0, 0, false, 0).EquationOfTime, 0.06211, 5e-6);
  // New York, local time, zone 19: transit 35.96 h, rise 28.42 h, set 19.51 h
  // once brought back by 24.
  const SunTimesResult ny = SunTimes(21, 6, -74, 40.7, true, 19);
  ASSERT_TRUE(ny.rise_hours && ny.set_hours);
  EXPECT_NEAR(ny.transit_hours, 35.96, 0.005);
  EXPECT_NEAR(*ny.rise_hours, 28.42, 0.005);
  EXPECT_NEAR(*ny.set_hours, 19.51, 0.005);
  // Tokyo in UT: the sunrise falls the evening before, -4.57 h taken as
  // 19.43 h.
  const SunTimesResult tokyo = SunTimes(21, 6, 139.7, 35.7, false, 0);
  ASSERT_TRUE(tokyo.rise_hours && tokyo.set_hours);
  EXPECT_NEAR(*tokyo.rise_hours, 19.426, 0.005);
  EXPECT_NEAR(*tokyo.set_hours, 10.003, 0.005);
  EXPECT_EQ(tokyo.tl, "19:25");
  EXPECT_EQ(tokyo.TP, "02:42:52");
  // The place is left behind in radians.
  const SunTimesResult paris = SunTimes(21, 6, 2.35, 48.85, false, 0);
  char buf[32];
  auto text = [&](double v) {
    return std::string(buf, std::to_chars(buf, buf + 32, v, std::chars_format::fixed, 6).ptr);
  };
  EXPECT_EQ(text(paris.latitude_rad), "0.852593");
  EXPECT_EQ(text(paris.longitude_west_rad), "-0.041015");
}

TEST(SunTimesFormat, WrapsAndRoundsToTheSecond) {
  struct Case { double hours; bool seconds; const char* text; };
  const Case cases[] = {
      {-0.5, false, "23:30"},
      {24.51, false, "00:30"},
      {-25.0, true, "23:00:00"},
      {(5 * 3600 + 59.4) / 3600, false, "05:00"},  // minutes not rounded
      {(5 * 3600 + 59.6) / 3600, false, "05:01"},  // ...but the second is
      {(23 * 3600 + 59 * 60 + 59.6) / 3600, true, "00:00:00"},
      {NAN, false, "---"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hours);
    EXPECT_EQ(FormatTimeOfDay(c.hours, c.seconds), c.text);
  }
}

}  // namespace
}  // namespace pellamar
