#pragma once

#include <optional>

namespace pellamar {

// Degrees-to-radians factor of the map and Sun computations. It is truncated
// on purpose: displayed digits and the map's horizontal scale depend on it.
inline constexpr double kDegToRadTruncated = 0.017453292;
inline constexpr double kSqrt2 = 1.4142135623730951;

// Zoom (visible map height in minutes of arc) when nothing was kept.
inline constexpr double kDefaultZoom = 13885.0;
// The whole world: √2 / 2.41 × 21600.
inline constexpr double kWholeWorldZoom = 12675.109106746411;
// The largest zoom a stored value or a click may reach.
inline constexpr double kMaxZoom = 1'000'000.0;

// What part of the world the map shows. Geometry is in twips of the map
// picture, y down. Field names and widths are those every drawing relies on.
struct MapState {
  float LATCENTD = 0.0f;   // centre latitude, degrees north, within ±90
  float LONCENTD = 0.0f;   // centre longitude, degrees east, within ±180
  double LatCent = 0.0;    // 1 − (LATCENTD + 90)/180: 0 North Pole … 1 South Pole
  double LonCent = 0.0;    // (LONCENTD + 180)/360
  double ZOOMc = 0.0;      // visible map height, minutes of arc of latitude
  float Pas_Inter = 0.0f;  // twips per minute of latitude = H / ZOOMc
  float PasLong = 0.0f;    // twips per minute of longitude
  float Xc = 0.0f;         // picture position of the centre
  float Yc = 0.0f;
  float RFlat = 0.0f;      // the centre as last taken by a pointer move or click
  float RFlon = 0.0f;
};

struct GeoPoint {
  double lat_deg = 0.0;       // north positive
  double lon_east_deg = 0.0;  // east positive
};

struct PicturePoint {
  double x = 0.0;
  double y = 0.0;
};

// The three choices of what a left click does to the zoom.
enum class ZoomOption { ZoomIn, ZoomOut, Lock };

// Sets LATCENTD/LONCENTD and the fractions LatCent/LonCent from a centre in
// degrees, pinning it to the pole or to ±180° when beyond: never wraps.
void SetCentre(MapState& map, float lat_deg, float lon_east_deg);

// Sets the centre fractions and puts the centre in the middle of a picture
// of the given size (start-up and reset).
void PlaceCentre(MapState& map, double width_twips, double height_twips);

// The one place that sets the scales: Pas_Inter, PasLong and Xc for a
// picture of the given size. With ZOOMc at 0 the scales stay 0.
void UpdateScales(MapState& map, double width_twips, double height_twips);

// Forward placement of a point given in degrees (east positive).
[[nodiscard]] PicturePoint Project(const MapState& map, double lat_deg, double lon_east_deg);

// Inverse rule: the place under a picture position, relative to the centre
// kept in RFlat/RFlon. Requires non-zero scales (see HasScales).
[[nodiscard]] GeoPoint Unproject(const MapState& map, double x, double y);

// True once a drawing has set the scales; clicks do nothing before.
[[nodiscard]] bool HasScales(const MapState& map);

// The zoom after a click with the given option, kept within [1, kMaxZoom].
[[nodiscard]] double ZoomAfterClick(double zoom, ZoomOption option);

// The left-click rule: re-centres on the place under (x, y) and zooms.
// Returns false, changing nothing, while the map has no scales yet. The
// caller rebuilds the map when it returns true.
bool ApplyLeftClick(MapState& map, double x, double y, ZoomOption option);

// The pointer read-out's place: keeps the centre in RFlat/RFlon, then gives
// the place under (x, y) clamped to ±90° and ±180°. Empty, changing nothing,
// while the map has no scales.
[[nodiscard]] std::optional<GeoPoint> PlaceUnderPointer(MapState& map, double x, double y);

// The place under (x, y) for the popup menu, relative to the centre kept in
// RFlat/RFlon, without clamping. Empty while the map has no scales.
[[nodiscard]] std::optional<GeoPoint> PlaceForPopup(const MapState& map, double x, double y);

}  // namespace pellamar
