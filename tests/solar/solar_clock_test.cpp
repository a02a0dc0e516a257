#include "solar/solar_clock.h"

#include <gtest/gtest.h>

#include <cmath>

#include "solar/sun_angles.h"

namespace pellamar {
namespace {

constexpr double kDegree = Pi / 180;

TEST(ShowClock, LocalApparentSolarTime) {
  struct Case {
    double EquationOfTime;  // radians
    double TimeZone;        // hours
    double LongI;           // west-positive radians
    double clock_hours;     // local clock time
    const char* expected;
  };
  const Case cases[] = {
      // Worked example: 14:00 in zone 2 is 12:00 UT; 15° E adds 60 min;
      // an equation of -3 min of time (-0.0130900 rad) adds 3 -> 13:03.
      {-0.0130900, 2, -15 * kDegree, 14, "13:03"},
      // Western longitudes subtract 4 min per degree: 12:00 UT at 75° W is 07:00.
      {0, 0, 75 * kDegree, 12, "07:00"},
      // Zone -5 at 07:00 is 12:00 UT; at Greenwich that is 12:00.
      {0, -5, 0, 7, "12:00"},
      // A positive equation (true Sun ahead in right ascension) is taken off.
      {0.0130900, 0, 0, 12, "11:57"},
      // Far west in a far eastern zone: 00:00 - 12 h - 19 h is 31 h before
      // midnight, 17:00 the day before, not "-07:00".
      {0, 19, Pi, 0, "17:00"},
      // Far east in a far western zone: 23:45 + 12 h + 14 h wraps past two
      // midnights to 01:45.
      {0, -14, -Pi, 23.75, "01:45"},
      // 23 h 59.6 min carries into the next hour: midnight, not "24:00".
      {0, 0, 0, 23 + 59.6 / 60, "00:00"},
      // 23 h 59.4 min stays in the old one.
      {0, 0, 0, 23 + 59.4 / 60, "23:59"},
      // Minutes round to the nearest: 10 h 07.6 min.
      {0, 0, 0, 10 + 7.6 / 60, "10:08"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(ShowClock(c.EquationOfTime, c.TimeZone, c.LongI, c.clock_hours / 24), c.expected);
  }
}

TEST(ShowClock, NonFiniteInputShowsNoTime) {
  EXPECT_EQ(ShowClock(std::nan(""), 0, 0, 0.5), "--:--");
  EXPECT_EQ(ShowClock(0, INFINITY, 0, 0.5), "--:--");
}

}  // namespace
}  // namespace pellamar
