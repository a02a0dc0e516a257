#include "solar/sun_instant.h"

#include <cmath>
#include <limits>

#include "platform/leading_number.h"

namespace pellamar {

SunInstant MakeSunInstant(std::string_view day_text, std::string_view month_text,
                          const Clock& clock, float time_zone) {
  SunInstant instant;
  instant.D = LeadingNumber(day_text);
  instant.M = LeadingNumber(month_text);
  instant.Y = static_cast<std::int16_t>(clock.LocalDate().year);
  instant.t = clock.LocalSecondsOfDay() / 86400.0;
  instant.TimeZone = time_zone;
  return instant;
}

std::int16_t RoundToInt16(double value) {
  if (std::isnan(value)) return 0;
  constexpr double lo = std::numeric_limits<std::int16_t>::min();
  constexpr double hi = std::numeric_limits<std::int16_t>::max();
  double rounded = std::round(value);  // halves away from zero...
  if (std::fabs(value - std::trunc(value)) == 0.5) rounded = 2 * std::round(value / 2);  // ...but to even

  if (rounded < lo) return std::numeric_limits<std::int16_t>::min();
  if (rounded > hi) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(rounded);
}

}  // namespace pellamar
