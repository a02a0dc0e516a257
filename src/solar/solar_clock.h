#pragma once

#include <string>

namespace pellamar {

// The solar clock (Text1): local apparent solar time at the last place read
// out, "HH:MM".
//   EquationOfTime    radians, as left by SunTimes (right ascension minus
//                     mean longitude, the negative of the usual equation)
//   TimeZone          hours, local clock time = UT + TimeZone
//   LongI             the place's WEST-positive longitude in radians
//   clock_day_fraction  the local clock time as a fraction of a day
// The hour is reduced into [0, 24) however far the inputs push it, and a
// minute that rounds up to the next hour carries into it, so 23 h 59.6 min
// shows "00:00". Non-finite input gives "--:--".
[[nodiscard]] std::string ShowClock(double EquationOfTime, double TimeZone, double LongI,
                                    double clock_day_fraction);

}  // namespace pellamar
