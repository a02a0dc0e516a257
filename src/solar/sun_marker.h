#pragma once

#include "solar/sun_ephemeris.h"

namespace pellamar {

// The part of the map state the Sun marker needs, in the map's own units
// (twips, y down). Map point of latitude φ, east longitude λ:
// X = Xc + (λ - LONCENTD)·PasLong·60, Y = Yc + (LATCENTD - φ)·Pas_Inter·60.
struct SunMarkerMap {
  float LATCENTD = 0;   // centre latitude, degrees
  float LONCENTD = 0;   // centre longitude, degrees, east-positive
  float Pas_Inter = 0;  // twips per minute of latitude
  float PasLong = 0;    // twips per minute of longitude
  float Xc = 0;         // map coordinates of the centre
  float Yc = 0;
  double image_width = 0;   // the Sun image, twips
  double image_height = 0;
};

// Where the Sun image goes: its top-left corner, in map twips.
struct SunMarkerPlace {
  double Xpi = 0;  // the values kept by the main window
  double Ypi = 0;
  float left = 0;  // the image's left and top positions
  float top = 0;
};

// The image centred on the subsolar point (Sun at the zenith). No check is
// made that the point lies on the visible map; off the map the image is
// placed off it too. A click on the image is the map's left click on
// (left, top).
[[nodiscard]] SunMarkerPlace PlaceSunMarker(const SunEphemeris& eph, const SunMarkerMap& map);

}  // namespace pellamar
