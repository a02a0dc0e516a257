#pragma once

#include <array>
#include <string_view>

#include "map/map_state.h"
#include "overlays/line_pool.h"
#include "platform/canvas.h"

namespace pellamar {

// The five special parallels, in the order of P(0..4).
struct SpecialParallel {
  double lat_deg;
  std::string_view name;
};
inline constexpr std::array<SpecialParallel, 5> kSpecialParallels{{
    {66.55, "Cercle polaire Arctique"},
    {23.45, "Tropique du Cancer"},
    {0.0, "Equateur"},
    {-23.45, "Tropique du Capricorne"},
    {-66.55, "Cercle polaire Antarctique"},
}};

// Places the parallels P(0..4) at their latitudes for a map centred on
// lat_centre_deg (scales and Yc from map), the Greenwich meridian P(5)
// from y = 500 to the picture's bottom, prints their names into the
// picture in the parallels colour, then runs DrawGraticule. Does nothing at
// all when the colour is kHiddenColour. The x ends of P(0..4) are left as
// they are.
void DrawParallels(float lat_centre_deg, float lon_centre_deg, Colour parallels,
                   const MapState& map, LinePools& pools, Canvas& picture);

// The graticule: the Equator P(2) and the ticks P(6..18) made solid; tick k
// on the west-positive longitude (k - 12)·30, 200 twips across the Equator
// when it lies strictly inside the picture, else 300 twips standing on the
// bottom edge; each labelled "<|V|>° W" / "<|V|>° E" and shown in the
// parallels colour, except the one on Greenwich (k = 12), which is placed
// only.
void DrawGraticule(float lon_centre_deg, Colour parallels, const MapState& map, LinePools& pools,
                   Canvas& picture);

// Makes P(0..4) span the picture's width again (after the map is resized).
void SpanParallels(LinePools& pools, double picture_width_twips);

}  // namespace pellamar
