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

// Twips per minute of latitude and of longitude, worked by hand from the
// picture height 13565 twips: Pas_Inter = H / ZOOMc, PasLong = Pas_Inter ×
// cos(LatCent × 0.017453292), both rounded to float. The last row is the
// antimeridian: nothing wraps, 170° W stays 340° west of a centre on 170° E.
TEST(MapStateTest, ScalesAndForwardPlacement) {
  const struct {
    const char* what;
    float lat, lon;
    double zoom, pas_inter, pas_long;
    double place_lat, place_lon, x, y;
  } cases[] = {
      {"whole world, Paris", 0, 0, kWholeWorldZoom, 1.0702077150, 1.0701669455, 48.85, 2.35,
       14450.8935, 3645.7212},
      {"whole world, Sydney", 0, 0, kWholeWorldZoom, 1.0702077150, 1.0701669455, -33.9, 151.2,
       24008.5545, 8959.3025},
      {"zoom 899 on Paris, the Eiffel Tower", 48.85f, 2.35f, 899, 15.0889873505, 15.0888671875,
       48.8584, 2.2945, 14249.7542, 6774.8938},
      {"zoomed out on 170 E, 170 W", 0, 170, 2 * kWholeWorldZoom, 0.5351038575, 0.5350834727, 10,
       -170, 3384.2972, 6461.4377},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const MapState m = MapAt(c.lat, c.lon, c.zoom);
    EXPECT_NEAR(m.Pas_Inter, c.pas_inter, 1e-9);
    EXPECT_NEAR(m.PasLong, c.pas_long, 1e-9);
    EXPECT_EQ(m.Xc, 14300);
    EXPECT_EQ(m.Yc, 6782.5);
    const PicturePoint p = Project(m, c.place_lat, c.place_lon);
    EXPECT_NEAR(p.x, c.x, 0.01);
    EXPECT_NEAR(p.y, c.y, 0.01);
  }
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
  // 600 twips right of and 300 above the centre of a zoom-6000 map on
  // 10 N, 20 E (2.2608333 twips per minute of latitude, 2.2607653 of
  // longitude): 300 / 2.2608333 / 60 = 2.2115740° north, 600 / 2.2607653 / 60
  // = 4.4232809° east.
  MapState m = MapAt(10, 20, 6000);
  ASSERT_TRUE(ApplyLeftClick(m, 14300 + 600, 6782.5 - 300, ZoomOption::Lock));
  EXPECT_NEAR(m.LATCENTD, 12.2115740, 1e-5);
  EXPECT_NEAR(m.LONCENTD, 24.4232809, 1e-5);
  EXPECT_NEAR(m.LatCent, 1 - (12.2115740 + 90) / 180, 1e-7);
  EXPECT_NEAR(m.LonCent, (24.4232809 + 180) / 360, 1e-7);
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
  MapState m = MapAt(80, 10, kWholeWorldZoom);
  m.RFlat = 70;  // the centre as the last pointer move or click kept it
  m.RFlon = 5;
  // 1926.374 twips up is 30° at 1.0702077 twips per minute; 642.100 twips
  // right is 9.999621° at 1.0702072 (the longitude scale of a map on 80° N).
  const auto place = PlaceForPopup(m, 14300 + 642.100, 6782.5 - 1926.374);
  ASSERT_TRUE(place.has_value());
  EXPECT_NEAR(place->lat_deg, 100, 1e-5);
  EXPECT_NEAR(place->lon_east_deg, 14.999621, 1e-5);
  EXPECT_FLOAT_EQ(m.LATCENTD, 80);  // the view is unchanged
}

TEST(MapStateTest, PointerPlaceKeepsTheCentreAndIsClamped) {
  const struct { float lat, lon; double dx, dy, lat_out, lon_out; } cases[] = {
      // Twips from the centre of a whole-world map: 1926.374 is 30° north
      // (1.0702077 twips per minute), 642.100 is 9.999847° east on a map
      // centred on 20° N (1.0701830 twips per minute of longitude).
      {20, 30, 642.100, -1926.374, 50, 39.999847},
      {80, 175, 642.100, -1926.374, 90, 180},    // beyond the pole and 180° E
      {-80, -175, -642.100, 1926.374, -90, -180},
      {0, 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lat << "," << c.lon);
    MapState m = MapAt(c.lat, c.lon, kWholeWorldZoom);
    m.RFlat = m.RFlon = -33;  // stale: the pointer rule takes the centre anew
    const auto place = PlaceUnderPointer(m, 14300 + c.dx, 6782.5 + c.dy);
    ASSERT_TRUE(place.has_value());
    EXPECT_NEAR(place->lat_deg, c.lat_out, 1e-5);
    EXPECT_NEAR(place->lon_east_deg, c.lon_out, 1e-5);
    EXPECT_EQ(m.RFlat, c.lat);
    EXPECT_EQ(m.RFlon, c.lon);
  }
  MapState none;
  EXPECT_FALSE(PlaceUnderPointer(none, 100, 100).has_value());
}

}  // namespace
}  // namespace pellamar
