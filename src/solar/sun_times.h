#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pellamar {

// Sunrise, transit and sunset of one day at one place, as the read-out shows
// them. Computed with a compact model of its own (day count from 1 March,
// fixed obliquity), not with SunEphemeris.
struct SunTimesResult {
  std::string TP;       // transit, "HH:MM:ss"
  std::string tl;       // sunrise, "HH:MM", or "---"
  std::string tc;       // sunset, "HH:MM", or "---"
  std::string Label10;  // "Le Soleil ne se lève pas !" / "... ne se couche pas !"; empty: hidden
  double EquationOfTime = 0;  // radians: right ascension minus mean longitude
  // The hours behind the texts: transit may lie outside 0..24; a rise below
  // 0 has had 24 added and a set above 24 has had 24 taken off. Empty on a
  // day without sunrise and sunset.
  double transit_hours = 0;
  std::optional<double> rise_hours;
  std::optional<double> set_hours;
  // The place in the form the solar clock reads it afterwards: the latitude
  // in radians and the longitude as WEST-positive radians.
  double latitude_rad = 0;
  double longitude_west_rad = 0;
};

// The times for `day` and `month` (the date boxes rounded; no year and no leap
// day enter) at `latitude_deg` (north-positive) and `longitude_east_deg`
// (east-positive). In local time (zone `TimeZone` hours) when `HLOC` is set,
// else in UT. At the poles, or any day without sunrise or sunset, tl and tc
// are "---" and Label10 says which; the transit is always given.
[[nodiscard]] SunTimesResult SunTimes(std::int16_t day, std::int16_t month,
                                      double longitude_east_deg, double latitude_deg, bool HLOC,
                                      float TimeZone);

// `hours` as the time of day it falls on: rounded to the whole second, then
// brought into 0..24 h by a positive modulo (-0.5 gives 23:30, 24.51 gives
// 00:30). "HH:MM:ss" with seconds, else "HH:MM" (minutes not rounded
// further). A non-finite value gives "---".
[[nodiscard]] std::string FormatTimeOfDay(double hours, bool with_seconds);

}  // namespace pellamar
