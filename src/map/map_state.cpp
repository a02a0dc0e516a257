#include "map/map_state.h"

#include <algorithm>
#include <cmath>


namespace pellamar {

void SetCentre(MapState& map, float lat_deg, float lon_east_deg) {
  // A NaN centre would poison every later drawing; treat it as 0.
  map.LATCENTD = std::isnan(lat_deg) ? 0.0f : lat_deg;
  map.LONCENTD = std::isnan(lon_east_deg) ? 0.0f : lon_east_deg;
  for (;;) {
    map.LonCent = (static_cast<double>(map.LONCENTD) + 180.0) / 360.0;
    map.LatCent = 1.0 - (static_cast<double>(map.LATCENTD) + 90.0) / 180.0;
    if (map.LatCent > 1.0) {
      map.LATCENTD = -90.0f;
    } else if (map.LatCent < 0.0) {
      map.LATCENTD = 90.0f;
    } else if (map.LonCent > 1.0) {
      map.LONCENTD = 180.0f;
    } else if (map.LonCent < 0.0) {
      map.LONCENTD = -180.0f;
    } else {
      return;
    }
  }
}

void PlaceCentre(MapState& map, double width_twips, double height_twips) {
  map.LonCent = (static_cast<double>(map.LONCENTD) + 180.0) / 360.0;
  map.LatCent = 1.0 - (static_cast<double>(map.LATCENTD) + 90.0) / 180.0;
  map.Yc = static_cast<float>(height_twips / 2.0);
  map.Xc = static_cast<float>(width_twips / 2.0);
}

void UpdateScales(MapState& map, double width_twips, double height_twips) {
  if (map.ZOOMc > 0.0 && std::isfinite(map.ZOOMc)) {
    map.Pas_Inter = static_cast<float>(height_twips / map.ZOOMc);
    map.PasLong = static_cast<float>(map.Pas_Inter * std::cos(map.LatCent * kDegToRadTruncated));
  } else {
    map.Pas_Inter = 0.0f;
    map.PasLong = 0.0f;
  }
  map.Xc = static_cast<float>(width_twips / 2.0);
}

PicturePoint Project(const MapState& map, double lat_deg, double lon_east_deg) {
  return {map.Xc + (lon_east_deg - map.LONCENTD) * 60.0 * map.PasLong,
          map.Yc + (map.LATCENTD - lat_deg) * 60.0 * map.Pas_Inter};
}

bool HasScales(const MapState& map) { return map.Pas_Inter != 0.0f && map.PasLong != 0.0f; }

GeoPoint Unproject(const MapState& map, double x, double y) {
  return {map.RFlat - (y - map.Yc) / map.Pas_Inter / 60.0,
          (x - map.Xc) / map.PasLong / 60.0 + map.RFlon};
}

double ZoomAfterClick(double zoom, ZoomOption option) {
  switch (option) {
    case ZoomOption::ZoomIn: zoom /= 2.0; break;
    case ZoomOption::ZoomOut: zoom *= 2.0; break;
    case ZoomOption::Lock: break;
  }
  if (!(zoom >= 1.0)) zoom = 1.0;  // NaN included
  return std::min(zoom, kMaxZoom);
}

bool ApplyLeftClick(MapState& map, double x, double y, ZoomOption option) {
  if (!HasScales(map)) return false;
  map.RFlat = map.LATCENTD;
  map.RFlon = map.LONCENTD;
  const GeoPoint place = Unproject(map, x, y);
  SetCentre(map, static_cast<float>(place.lat_deg), static_cast<float>(place.lon_east_deg));
  map.ZOOMc = ZoomAfterClick(map.ZOOMc, option);
  return true;
}

std::optional<GeoPoint> PlaceUnderPointer(MapState& map, double x, double y) {
  if (!HasScales(map)) return std::nullopt;
  map.RFlat = map.LATCENTD;
  map.RFlon = map.LONCENTD;
  GeoPoint p = Unproject(map, x, y);
  p.lat_deg = std::clamp(p.lat_deg, -90.0, 90.0);
  p.lon_east_deg = std::clamp(p.lon_east_deg, -180.0, 180.0);
  return p;
}

std::optional<GeoPoint> PlaceForPopup(const MapState& map, double x, double y) {
  if (!HasScales(map)) return std::nullopt;
  return Unproject(map, x, y);
}

}  // namespace pellamar
