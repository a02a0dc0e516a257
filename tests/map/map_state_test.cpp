#include "map/map_state.h"

#include <gtest/gtest.h>

#include <cmath>

#include "shell/settings.h"

namespace pellamar {
namespace {

constexpr double kW = 28600, kH = 13565;  // a 1920 x 1080 window's map, twips

MapState MapAt(float lat, float lon, double zoom) {
  MapState m;
  m.ZOOMc = zoom;
  SetCentre(m, lat, lon);
  PlaceCentre(m, kW, kH);
  UpdateScales(m, kW, kH);
  m.RFlat = m.LATCENTD;
  m.RFlon = m.LONCENTD;
  return m;
}

TEST(MapStateTest, ProjectionRoundTripsAndPutsTheCentreInTheMiddle) {
  const struct { float lat, lon; double zoom; } cases[] = {
      {0, 0, 13885}, {48.85f, 2.35f, 899}, {-33.9f, 151.2f, 3000}, {89.5f, -179.5f, 1}, {-90, 180, 12675.1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lat << "," << c.lon << " zoom " << c.zoom);
    const MapState m = MapAt(c.lat, c.lon, c.zoom);
    const PicturePoint centre = Project(m, m.LATCENTD, m.LONCENTD);
    EXPECT_NEAR(centre.x, m.Xc, 1e-3);
    EXPECT_NEAR(centre.y, m.Yc, 1e-3);
    for (const auto& [dlat, dlon] : {std::pair{0.1, -0.2}, {1.0, 3.0}, {-2.5, 0.7}}) {
      const PicturePoint p = Project(m, c.lat + dlat, c.lon + dlon);
      const GeoPoint back = Unproject(m, p.x, p.y);
      EXPECT_NEAR(back.lat_deg, c.lat + dlat, 1e-6);
      EXPECT_NEAR(back.lon_east_deg, c.lon + dlon, 1e-6);
    }
  }
}

TEST(MapStateTest, NoWrapAtTheAntimeridian) {
  // Centre 170° E, whole world: 170° W lies 340° to the west, off the left.
  const MapState m = MapAt(0, 170, kWholeWorldZoom);
  const PicturePoint p = Project(m, 0, -170);
  EXPECT_LT(p.x, 0);
  EXPECT_NEAR(m.Xc - p.x, 340 * 60 * m.PasLong, 1);
}

TEST(MapStateTest, ZoomAfterClick) {
  const struct { double zoom; ZoomOption option; double expected; } cases[] = {
      {1.5, ZoomOption::ZoomIn, 1},  // 0.75 raised to the minimum
      {1, ZoomOption::ZoomIn, 1},
      {13885, ZoomOption::ZoomIn, 6942.5},
      {13885, ZoomOption::ZoomOut, 27770},
      {27770, ZoomOption::ZoomOut, 55540},
      {899, ZoomOption::Lock, 899},
      {800000, ZoomOption::ZoomOut, kMaxZoom},
      {std::nan(""), ZoomOption::Lock, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zoom);
    EXPECT_DOUBLE_EQ(ZoomAfterClick(c.zoom, c.option), c.expected);
  }
}

TEST(MapStateTest, LeftClickRecentresOnThePlaceUnderThePointer) {
  MapState m = MapAt(10, 20, 6000);
  const PicturePoint target = Project(m, 12.5, 17.25);
  ASSERT_TRUE(ApplyLeftClick(m, target.x, target.y, ZoomOption::Lock));
  EXPECT_NEAR(m.LATCENTD, 12.5, 1e-4);
  EXPECT_NEAR(m.LONCENTD, 17.25, 1e-4);
  EXPECT_NEAR(m.LatCent, 1 - (12.5 + 90) / 180, 1e-6);
  EXPECT_NEAR(m.LonCent, (17.25 + 180) / 360, 1e-6);
  EXPECT_EQ(m.ZOOMc, 6000);
  EXPECT_FLOAT_EQ(m.RFlat, 10);  // the centre before the click
  EXPECT_FLOAT_EQ(m.RFlon, 20);
}

TEST(MapStateTest, LeftClickBeyondThePolesOrTheAntimeridianPinsTheCentre) {
  const struct { float lat, lon; double dx_deg, dy_deg; float lat_out, lon_out; } cases[] = {
      {80, 0, 0, 30, 90, 0},          // above the North Pole
      {-80, 0, 0, -30, -90, 0},       // below the South Pole
      {0, 170, 30, 0, 0, 180},        // east of 180°
      {0, -170, -30, 0, 0, -180},     // west of 180° W
      {85, 175, 20, 20, 90, 180},     // both at once
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lat << "," << c.lon);
    MapState m = MapAt(c.lat, c.lon, 12675.1);
    const double x = m.Xc + c.dx_deg * 60 * m.PasLong;
    const double y = m.Yc - c.dy_deg * 60 * m.Pas_Inter;
    ASSERT_TRUE(ApplyLeftClick(m, x, y, ZoomOption::Lock));
    EXPECT_NEAR(m.LATCENTD, c.lat_out, 1e-3);
    EXPECT_NEAR(m.LONCENTD, c.lon_out, 1e-3);
    EXPECT_GE(m.LatCent, 0);
    EXPECT_LE(m.LatCent, 1);
    EXPECT_GE(m.LonCent, 0);
    EXPECT_LE(m.LonCent, 1);
  }
}

TEST(MapStateTest, NothingHappensBeforeTheFirstDrawing) {
  MapState m;
  m.ZOOMc = 13885;
  EXPECT_FALSE(HasScales(m));
  EXPECT_FALSE(ApplyLeftClick(m, 100, 100, ZoomOption::ZoomIn));
  EXPECT_EQ(m.ZOOMc, 13885);
  EXPECT_FALSE(PlaceForPopup(m, 100, 100).has_value());
  // A zoom of 0 gives no scale rather than a division by zero.
  m.ZOOMc = 0;
  UpdateScales(m, kW, kH);
  EXPECT_FALSE(HasScales(m));
}

TEST(MapStateTest, PopupPlaceIsRelativeToTheKeptCentreAndNotClamped) {
  MapState m = MapAt(80, 0, 12675.1);
  const auto place = PlaceForPopup(m, m.Xc, m.Yc - 30 * 60 * m.Pas_Inter);
  ASSERT_TRUE(place.has_value());
  EXPECT_NEAR(place->lat_deg, 110, 1e-3);
  EXPECT_NEAR(place->lon_east_deg, 0, 1e-6);
  EXPECT_FLOAT_EQ(m.LATCENTD, 80);  // the view is unchanged
}

}  // namespace
}  // namespace pellamar
