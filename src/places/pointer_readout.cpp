#include "places/pointer_readout.h"

#include "places/position_text.h"
#include "platform/leading_number.h"
#include "solar/solar_clock.h"
#include "solar/sun_instant.h"

namespace pellamar {

PointerReadout ReadOutPlace(const GeoPoint& place, const ReadoutSettings& settings) {
  PointerReadout out;
  out.Label2 = ShowPosition(place.lat_deg, place.lon_east_deg, settings.QRAON);
  out.LPo = -place.lon_east_deg;
  out.FPo = place.lat_deg;
  const std::int16_t day = RoundToInt16(LeadingNumber(settings.day_text));
  const std::int16_t month = RoundToInt16(LeadingNumber(settings.month_text));
  out.times = SunTimes(day, month, place.lon_east_deg, place.lat_deg, settings.HLOC,
                       settings.TimeZone);
  out.LatI = out.times.latitude_rad;
  out.LongI = out.times.longitude_west_rad;
  out.Text1 = ShowClock(out.times.EquationOfTime, settings.TimeZone, out.LongI,
                        settings.clock_day_fraction);
  return out;
}

}  // namespace pellamar
