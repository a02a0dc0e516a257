#include "solar/solar_clock.h"

#include <cmath>

#include "solar/sun_angles.h"

namespace pellamar {

std::string ShowClock(double EquationOfTime, double TimeZone, double LongI,
                      double clock_day_fraction) {
  const double E = EquationOfTime / (Pi / 12) * 60;  // minutes
  const double Z = TimeZone * 60;                    // minutes
  const double L = (-LongI / Pi * 180) / (15.0 / 60);  // 4 minutes per degree east
  const double t = clock_day_fraction * 1440 + L - E - Z;  // minutes
  if (!std::isfinite(t)) return "--:--";
  constexpr long long kDay = 1440;
  // Whole minutes of the day: rounding first lets 59.6 min carry into the
  // hour, the positive modulo then brings 24:00 (and any negative or
  // overlong value) into the day.
  const long long minutes = ((std::llround(std::fmod(t, kDay)) % kDay) + kDay) % kDay;
  const long long hh = minutes / 60;
  const long long mm = minutes % 60;
  std::string text = "00:00";
  text[0] = static_cast<char>('0' + hh / 10);
  text[1] = static_cast<char>('0' + hh % 10);
  text[3] = static_cast<char>('0' + mm / 10);
  text[4] = static_cast<char>('0' + mm % 10);
  return text;
}

}  // namespace pellamar
