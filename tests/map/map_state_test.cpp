#include "map/map_state.h"

#include <gtest/gtest.h>

#include <cmath>

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
      {false, 20, 30, 642.100, -1926.374, 50, 39.999847},
      {false, 80, 175, 642.100, -1926.374, 90, 180},
      {false, -80, -175, -642.100, 1926.374, -90, -180},
      {true, 80, 10, 642.100, -1926.374, 100, 79.999621},
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

}  // namespace
}  // namespace pellamar
