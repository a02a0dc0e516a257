#include "solar/sun_marker.h"

namespace pellamar {

SunMarkerPlace PlaceSunMarker(const SunEphemeris& eph, const SunMarkerMap& map) {
  const SubsolarPoint sun = SubsolarPointOf(eph);
  // The subsolar point's east longitude is -Ls.
  const double x = map.Xc + (-static_cast<double>(map.LONCENTD) - sun.Ls) * map.PasLong * 60;
  const double y = map.Yc + (map.LATCENTD - sun.latitude_deg) * map.Pas_Inter * 60;
  SunMarkerPlace place;
  place.Xpi = x - map.image_width / 2;
  place.Ypi = y - map.image_height / 2;
  place.left = static_cast<float>(place.Xpi);
  place.top = static_cast<float>(place.Ypi);
  return place;
}

}  // namespace pellamar
