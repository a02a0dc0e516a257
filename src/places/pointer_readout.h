#pragma once

#include <string>
#include <string_view>

#include "map/map_state.h"
#include "solar/sun_times.h"

namespace pellamar {

// What the read-out needs besides the place: the date boxes' texts, the two
// check boxes that shape it, the time zone and the clock.
struct ReadoutSettings {
  std::string_view day_text;    // Text3
  std::string_view month_text;  // Text4
  bool QRAON = false;           // locator and seconds in Label2
  bool HLOC = true;             // Sun times in local time, else UT
  float TimeZone = 0;           // hours, local = UT + TimeZone
  double clock_day_fraction = 0;  // local clock time, fraction of a day
};

// Everything the pointer read-out shows for one place, in the order the
// window applies it: Label2, then the observer's place of the dials (FPo,
// LPo in degrees), then the Sun times, then the solar clock, which reads
// the longitude in the radian form SunTimes leaves (LongI).
struct PointerReadout {
  std::string Label2;
  double FPo = 0;  // latitude, degrees, north-positive
  double LPo = 0;  // longitude, degrees, WEST-positive
  SunTimesResult times;  // day and month rounded half to even from the boxes
  double LatI = 0;   // radians
  double LongI = 0;  // WEST-positive radians
  std::string Text1;  // solar clock, "HH:MM"
};

// The read-out of `place` (already clamped to ±90°, ±180°).
[[nodiscard]] PointerReadout ReadOutPlace(const GeoPoint& place, const ReadoutSettings& settings);

}  // namespace pellamar
