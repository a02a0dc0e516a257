#include "map/map_state.h"
#include "map/outline_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/recording_canvas.h"

namespace pellamar {
namespace {

constexpr double kW = 28600, kH = 13565;  // a 1920 x 1080 window's map, twips

// A drawn map whose kept centre is stale, so that a rule which forgets to
// take the centre anew reads from the wrong place.
MapState MapAt(float lat, float lon, double zoom) {
  MapState m;
  m.ZOOMc = zoom;
  SetCentre(m, lat, lon);
  PlaceCentre(m, kW, kH);
  UpdateScales(m, kW, kH);
  m.RFlat = m.RFlon = 70;
  return m;
}

// Hand-worked: Pas_Inter = H / ZOOMc, PasLong = Pas_Inter × cos(LatCent ×
// 0.017453292), then the forward rule. The last row crosses the
// antimeridian: 170° W stays 340° west of a centre on 170° E. Faults: a
// flipped y, the latitude scale used for x, cos of the latitude itself,
// width and height swapped.
TEST(MapStateTest, ForwardPlacement) {
  const struct { float lat, lon; double zoom, place_lat, place_lon, x, y; } cases[] = {
      {0, 0, kWholeWorldZoom, 48.85, 2.35, 14450.8935, 3645.7212},
      {48.85f, 2.35f, 899, 48.8584, 2.2945, 14249.7542, 6774.8938},
      {0, 170, 2 * kWholeWorldZoom, 10, -170, 3384.2972, 6461.4377},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zoom);
    const PicturePoint p = Project(MapAt(c.lat, c.lon, c.zoom), c.place_lat, c.place_lon);
    EXPECT_NEAR(p.x, c.x, 0.01);
    EXPECT_NEAR(p.y, c.y, 0.01);
  }
}

// 600 twips right of and 300 above the centre of a zoom-6000 map on 10 N,
// 20 E (2.2608333 and 2.2607653 twips a minute): 300 / 2.2608333 / 60 =
// 2.2115740° north, 600 / 2.2607653 / 60 = 4.4232809° east. Beyond a pole or
// 180° the centre is pinned, never wrapped. Faults: the stale kept centre
// used, the fractions not updated, a pin to the wrong pole or edge, a wrong
// zoom factor.
TEST(MapStateTest, LeftClickRecentresPinsAndZooms) {
  const struct { float lat, lon; double dx, dy; ZoomOption option; double lat_out, lon_out, zoom; } cases[] = {
      {10, 20, 600, -300, ZoomOption::ZoomIn, 12.2115740, 24.4232809, 3000},
      {85, 175, 1300, -1300, ZoomOption::Lock, 90, 180, 6000},
      {-85, -175, -1300, 1300, ZoomOption::ZoomOut, -90, -180, 12000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lat);
    MapState m = MapAt(c.lat, c.lon, 6000);
    ASSERT_TRUE(ApplyLeftClick(m, 14300 + c.dx, 6782.5 + c.dy, c.option));
    EXPECT_NEAR(m.LATCENTD, c.lat_out, 1e-5);
    EXPECT_NEAR(m.LONCENTD, c.lon_out, 1e-5);
    EXPECT_NEAR(m.LatCent, 1 - (c.lat_out + 90) / 180, 1e-7);
    EXPECT_NEAR(m.LonCent, (c.lon_out + 180) / 360, 1e-7);
    EXPECT_EQ(m.ZOOMc, c.zoom);
    EXPECT_EQ(m.RFlat, c.lat);  // the centre before the click
    EXPECT_EQ(m.RFlon, c.lon);
  }
  // The zoom stays within [1, kMaxZoom]; NaN gives 1.
  EXPECT_EQ(ZoomAfterClick(1.5, ZoomOption::ZoomIn), 1);
  EXPECT_EQ(ZoomAfterClick(800000, ZoomOption::ZoomOut), kMaxZoom);
  EXPECT_EQ(ZoomAfterClick(std::nan(""), ZoomOption::Lock), 1);
}

// Before the first drawing there is no scale: nothing moves, no division by 0.
TEST(MapStateTest, NothingHappensBeforeTheFirstDrawing) {
  MapState m;
  m.ZOOMc = 13885;
  EXPECT_FALSE(ApplyLeftClick(m, 100, 100, ZoomOption::ZoomIn));
  EXPECT_EQ(m.ZOOMc, 13885);
  EXPECT_FALSE(PlaceForPopup(m, 100, 100).has_value());
  EXPECT_FALSE(PlaceUnderPointer(m, 100, 100).has_value());
  m.ZOOMc = 0;
  UpdateScales(m, kW, kH);
  EXPECT_FALSE(HasScales(m));
}

// Whole-world map: 1926.374 twips up is 30° (1.0702077 twips a minute);
// 642.100 right is 9.999847° on a map on 20° N (1.0701830 a minute of
// longitude), 9.999621° on one on 80° N. The pointer takes the centre anew
// and clamps; the popup reads from the kept centre (70, 70) and does not
// clamp. Faults: a dropped clamp, the kept centre not refreshed, the popup
// clamped or read from the view's centre.
TEST(MapStateTest, PointerAndPopupPlaces) {
  const struct { bool popup; float lat, lon; double dx, dy, lat_out, lon_out; } cases[] = {
      {false, 20, 30, 642.100, -1926.374, 50, 39.999847}, {false, 80, 175, 642.100, -1926.374, 90, 180},
      {false, -80, -175, -642.100, 1926.374, -90, -180}, {true, 80, 10, 642.100, -1926.374, 100, 79.999621},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lat);
    MapState m = MapAt(c.lat, c.lon, kWholeWorldZoom);
    const auto place = c.popup ? PlaceForPopup(m, 14300 + c.dx, 6782.5 + c.dy)
                               : PlaceUnderPointer(m, 14300 + c.dx, 6782.5 + c.dy);
    ASSERT_TRUE(place.has_value());
    EXPECT_NEAR(place->lat_deg, c.lat_out, 1e-5);
    EXPECT_NEAR(place->lon_east_deg, c.lon_out, 1e-5);
    EXPECT_EQ(m.RFlat, c.popup ? 70 : c.lat);
    EXPECT_EQ(m.RFlon, c.popup ? 70 : c.lon);
  }
}

// Outline coordinates of a place.
double X(double lon) { return (lon + 180) / 360; }
float Y(double lat) { return static_cast<float>((lat + 90) / (180 * kSqrt2)); }

std::vector<struct testing::RecordingCanvas::Line> Draw(const Outline& o, const MapState& m) {
  testing::RecordingCanvas canvas(kW, kH);
  DrawOutline(o, m, canvas, 0x123456, {});
  return canvas.lines;
}

// Ends worked by hand as in MapStateTest (whole world: 1.0702077 twips a
// minute of latitude, 1.0701669 of longitude). Near 180° nothing wraps:
// with the centre on 170° E, 175° W–170° W lie 22,000 twips left of it,
// beyond the margin, and are not drawn; 160° E–165° E are. Faults: a
// wrapped longitude, a wrong vertical offset, x taken from the wrong centre.
TEST(OutlineDrawingTest, SegmentsLandWhereTheMapPutsTheirEnds) {
  const struct { const char* what; MapState map; Outline outline; double x1, y1, x2, y2; } cases[] = {
      {"Paris to Sydney", MapAt(0, 0, kWholeWorldZoom),
       Outline{{X(2.35), X(151.2)}, {Y(48.85), Y(-33.9)}}, 14450.89, 3645.72, 24008.55, 8959.30},
      {"170 W stays west of 175 E", MapAt(0, 170, 2 * kWholeWorldZoom),
       Outline{{X(-170), X(175)}, {Y(10), Y(0)}}, 3384.30, 6461.44, 14460.53, 6782.50},
      {"east of 180 is not wrapped west", MapAt(0, 170, kWholeWorldZoom),
       Outline{{X(-175), X(-170), 2, X(160), X(165)}, {Y(0), Y(1), 0, Y(0), Y(1)}}, 13657.90, 6782.50, 13978.95,
       6718.29},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto lines = Draw(c.outline, c.map);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0].x1, c.x1, 0.05);
    EXPECT_NEAR(lines[0].y1, c.y1, 0.05);
    EXPECT_NEAR(lines[0].x2, c.x2, 0.05);
    EXPECT_NEAR(lines[0].y2, c.y2, 0.05);
    EXPECT_EQ(lines[0].colour, 0x123456u);
  }
}

// The place put first and then second in a segment whose other end is on
// the map.
Outline AroundMargin(double lat, double lon) {
  return {{X(lon), X(1), 2, X(1), X(lon)}, {Y(lat), Y(1), 0, Y(1), Y(lat)}};
}

// Faults: a break (x > 1) drawn as a start or an end, x = 0 let through as
// an end, the data read past its first (0, 0) point, a map without scales
// drawn. Zoomed out four times, a break point lies inside the picture.
// On the whole world K = 10800 / ZOOMc = 0.852, a margin of 85 twips: the
// "margin" places lie 50 twips (kept) and 120 twips (dropped) beyond an
// edge (64.2125 twips a degree of latitude, 64.2100 of longitude), and a
// segment is dropped whole, never clipped. Faults: a wrong margin, one
// end's test left out, the width and height swapped.
TEST(OutlineDrawingTest, BreaksEndsAndMargins) {
  constexpr double kWorld = kWholeWorldZoom;
  const struct { const char* what; double zoom; Outline outline; std::size_t lines; } cases[] = {
      {"three points", kWorld, Outline{{0.5, 0.51, 0.52}, {0.3f, 0.3f, 0.31f}}, 2},
      {"a break splits", kWorld, Outline{{0.5, 0.51, 2, 0.6, 0.61}, {0.3f, 0.3f, 0, 0.3f, 0.3f}}, 2},
      {"a break on the map", 4 * kWorld, Outline{{0.5, 2, 0.6}, {0.3f, 0, 0.3f}}, 0},
      {"a break first", kWorld, Outline{{2, 0.5, 0.51}, {0, 0.3f, 0.3f}}, 1},
      {"x = 0 never ends a segment", kWorld, Outline{{0.01, 0}, {0.3f, 0.3f}}, 0},
      {"x = 0 may start one", kWorld, Outline{{0, 0.01}, {0.3f, 0.3f}}, 1},
      {"x = 1 (180 E) may end one", kWorld, Outline{{0.99, 1}, {0.3f, 0.3f}}, 1},
      {"an empty line in the middle ends the data", kWorld,
       ParseOutline("0.5 0.3\r\n0.51 0.3\r\n0.52 0.3\r\n\r\n0.6 0.3\r\n0.61 0.3\r\n").outline, 2},
      {"no scale", 0, Outline{{0.5, 0.51}, {0.3f, 0.3f}}, 0},
      {"below, 50", kWorld, AroundMargin(-106.4046, 0), 2}, {"below, 120", kWorld, AroundMargin(-107.4947, 0), 0},
      {"above, 50", kWorld, AroundMargin(106.4046, 0), 2}, {"above, 120", kWorld, AroundMargin(107.4947, 0), 0},
      {"left, 50", kWorld, AroundMargin(0, -223.4854), 2}, {"left, 120", kWorld, AroundMargin(0, -224.5756), 0},
  };  // (beyond the right edge x would exceed 1: a break)
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Draw(c.outline, MapAt(0, 0, c.zoom)).size(), c.lines);
  }
}

// 120,000 points along the equator: all drawn, progress after the segments
// from points 1, 10001, …, 110001. An undrawn segment takes its step with
// it. Faults: points beyond a fixed count dropped, the step on the wrong
// index, the step counted for undrawn segments.
TEST(OutlineDrawingTest, EveryLoadedPointIsDrawnAndProgressStepsEveryTenThousand) {
  Outline o;
  const std::size_t n = 120000;
  for (std::size_t i = 0; i < n; ++i) {
    o.x.push_back(0.25 + 0.5 * static_cast<double>(i) / n);
    o.y.push_back(Y(0));
  }
  const MapState m = MapAt(0, 0, kWholeWorldZoom);
  for (const auto& [break_at, lines, steps] : {std::tuple{n, n - 1, 12}, {std::size_t{2}, n - 3, 11}}) {
    if (break_at < n) o.x[break_at] = 2;
    testing::RecordingCanvas canvas(kW, kH);
    int stepped = 0;
    DrawOutline(o, m, canvas, 0, [&] { ++stepped; });
    EXPECT_EQ(canvas.lines.size(), lines);
    EXPECT_EQ(stepped, steps);
  }
}

}  // namespace
}  // namespace pellamar
