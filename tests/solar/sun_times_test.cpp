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
  // Worked values of the sunrise/sunset section, year-independent.
  struct Case {
    const char* name;
    int day, month;
    double lat, lon_east;
    bool hloc;
    float zone;
    const char *tp, *tl, *tc, *label10;
  };
  const Case cases[] = {
      {"Paris, 21 June, UT", 21, 6, 48.85, 2.35, false, 0, "11:52:21", "03:46", "19:57", ""},
      {"Paris, 21 December, UT", 21, 12, 48.85, 2.35, false, 0, "11:48:41", "07:41", "15:56", ""},
      {"70 N, 21 June", 21, 6, 70, 0, false, 0, "12:01:46", "---", "---", kNoSet},
      {"New York, UT (set brought back by 24)", 21, 6, 40.7, -74, false, 0, "16:57:48", "09:25",
       "00:30", ""},
      {"New York, local, zone 19", 21, 6, 40.7, -74, true, 19, "11:57:48", "04:25", "19:30", ""},
      {"New York, local, signed zone -5", 21, 6, 40.7, -74, true, -5, "11:57:48", "04:25",
       "19:30", ""},
      {"zone ignored without local time", 21, 6, 40.7, -74, false, -5, "16:57:48", "09:25",
       "00:30", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SunTimesResult r = SunTimes(static_cast<std::int16_t>(c.day),
                                      static_cast<std::int16_t>(c.month), c.lon_east, c.lat,
                                      c.hloc, c.zone);
    EXPECT_EQ(r.TP, c.tp);
    EXPECT_EQ(r.tl, c.tl);
    EXPECT_EQ(r.tc, c.tc);
    EXPECT_EQ(r.Label10, c.label10);
  }
}

TEST(SunTimes, PolarNightAndPoles) {
  EXPECT_EQ(SunTimes(21, 12, 0, 70, false, 0).Label10, kNoRise);
  // At the poles cos(latitude) is tiny but not zero: a message, never NaN.
  for (double lat : {90.0, -90.0}) {
    SCOPED_TRACE(lat);
    for (int month : {3, 6, 9, 12}) {
      const SunTimesResult r = SunTimes(21, static_cast<std::int16_t>(month), 0, lat, false, 0);
      EXPECT_NE(r.Label10, "");
      EXPECT_EQ(r.tl, "---");
      EXPECT_EQ(r.tc, "---");
      EXPECT_EQ(r.TP.size(), 8u);
    }
  }
}

TEST(SunTimes, NewYorkRawHours) {
  // Worked example: transit 35.96 h, rise 28.42 h, set 19.51 h after the set
  // has been brought back by 24 (zone 19, local time).
  const SunTimesResult r = SunTimes(21, 6, -74, 40.7, true, 19);
  EXPECT_NEAR(r.transit_hours, 35.96, 0.005);
  ASSERT_TRUE(r.rise_hours && r.set_hours);
  EXPECT_NEAR(*r.rise_hours, 28.42, 0.005);
  EXPECT_NEAR(*r.set_hours, 19.51, 0.005);
}

TEST(SunTimes, EquationOfTimeInJanuaryAndFebruaryToo) {
  // Worked values at 0°, 0°: 1 November and 12 February (month 2 -> 14).
  const SunTimesResult november = SunTimes(1, 11, 0, 0, false, 0);
  EXPECT_NEAR(november.EquationOfTime, -0.07155, 5e-6);
  EXPECT_EQ(november.TP, "11:43:36");
  const SunTimesResult february = SunTimes(12, 2, 0, 0, false, 0);
  EXPECT_NEAR(february.EquationOfTime, 0.06211, 5e-6);
  EXPECT_EQ(february.TP, "12:14:14");
}

TEST(SunTimes, PlaceComesBackInRadians) {
  const SunTimesResult r = SunTimes(21, 6, 2.35, 48.85, false, 0);
  char buf[32];
  auto text = [&](double v) {
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
    return std::string(buf, end);
  };
  EXPECT_EQ(text(r.latitude_rad), "0.852593");
  EXPECT_EQ(text(r.longitude_west_rad), "-0.041015");
}

TEST(SunTimesFormat, WrapsAndRoundsToTheSecond) {
  struct Case {
    double hours;
    bool seconds;
    const char* text;
  };
  const Case cases[] = {
      {-0.5, false, "23:30"},
      {24.51, false, "00:30"},
      {35.96, true, "11:57:36"},
      {-25.0, true, "23:00:00"},
      {(5 * 3600 + 59.4) / 3600, false, "05:00"},  // minutes not rounded
      {(5 * 3600 + 59.6) / 3600, false, "05:01"},  // ...but the second is
      {(23 * 3600 + 59 * 60 + 59.6) / 3600, true, "00:00:00"},
      {0, true, "00:00:00"},
      {NAN, false, "---"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hours);
    EXPECT_EQ(FormatTimeOfDay(c.hours, c.seconds), c.text);
  }
}

}  // namespace
}  // namespace pellamar
