#pragma once

#include <cstdint>
#include <string_view>

#include "platform/clock.h"

namespace pellamar {

// The instant of every Sun computation. Day and month come from the date
// boxes and may lie outside 1..31 and 1..12: the ephemeris carries them into
// the neighbouring months and years.
struct SunInstant {
  double D = 1;           // day of the month
  double M = 1;           // month number
  std::int16_t Y = 2000;  // calendar year of the computer's date
  double t = 0;           // local clock time, fraction of a day, 0 <= t < 1
  float TimeZone = 0;     // hours; Universal Time = local clock time - TimeZone
};

// The instant for the day and month box texts (each read by LeadingNumber, 0
// when a text has no leading number), the year and time of day of `clock`
// and the time zone in hours.
[[nodiscard]] SunInstant MakeSunInstant(std::string_view day_text, std::string_view month_text,
                                        const Clock& clock, float time_zone);

// A date box's number rounded to a 16-bit integer, halves to the even
// neighbour, as the sunrise/sunset read-out takes its day and month. Values
// beyond the 16-bit range are clamped to it; NaN gives 0.
[[nodiscard]] std::int16_t RoundToInt16(double value);

}  // namespace pellamar
