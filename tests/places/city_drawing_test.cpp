#include "places/city_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_canvas.h"

namespace pellamar {
namespace {

using testing::RecordingCanvas;

// A map 6000 twips square centred on 10° N, 20° E at 10 twips a minute each
// way: it shows 5° on each side of the centre.
MapState Map(double zoom) {
  MapState m;
  m.LATCENTD = 10;
  m.LONCENTD = 20;
  m.ZOOMc = zoom;
  m.Pas_Inter = 10;
  m.PasLong = 10;
  m.Xc = 3000;
  m.Yc = 3000;
  return m;
}

std::vector<std::string_view> Lines(const std::vector<std::string>& owned) {
  return {owned.begin(), owned.end()};
}

// Faults: a class given another style, x or y mirrored, the file's west-positive sign ignored.
TEST(CityDrawingTest, PlacesEachCityByItsClass) {
  // 12° N 22° E lies 2° north and 2° east of the centre: 1200 twips right
  // and up. West-positive longitudes as the file keeps them.
  const std::vector<std::string> file = {
      "12.000 -022.000 0 0 Capitale", "12.000 -022.000 2 0 Grande", "12.000 -022.000 3 0 Moyenne",
      "12.000 -022.000 4 0 Petite",   "12.000 -022.000 8 0 Bourg",  "12.000 -022.000 9 3 Chez moi",
      "08.000 -018.000 1 0 Sud-Ouest",
  };
  struct Expected { double x, y, r; Colour circle, name; };
  const Expected expected[] = {
      {4200, 1800, 40, 0xFF00FF, 0x0000FF}, {4200, 1800, 40, 0xFF00FF, 0x0000FF},
      {4200, 1800, 20, 0xFF0000, 0x0000FF}, {4200, 1800, 20, 0xFF0000, 0x640000},
      {4200, 1800, 20, 0xFF0000, 0x640000}, {4200, 1800, 40, 0x008000, 0x008000},
      {1800, 4200, 40, 0xFF00FF, 0x0000FF},
  };
  RecordingCanvas canvas(6000, 6000);
  EXPECT_EQ(DrawCityLines(Lines(file), Map(600), canvas, 1.0), 7);
  ASSERT_EQ(canvas.circles.size(), 7u);
  ASSERT_EQ(canvas.texts.size(), 7u);  // below 900 every name is drawn
  for (std::size_t i = 0; i < 7; ++i) {
    SCOPED_TRACE(file[i]);
    EXPECT_DOUBLE_EQ(canvas.circles[i].cx, expected[i].x);
    EXPECT_DOUBLE_EQ(canvas.circles[i].cy, expected[i].y);
    EXPECT_DOUBLE_EQ(canvas.circles[i].r, expected[i].r);
    EXPECT_EQ(canvas.circles[i].colour, expected[i].circle);
    // The name's top-left corner is on the city, in the class's colour.
    EXPECT_DOUBLE_EQ(canvas.texts[i].x, expected[i].x);
    EXPECT_DOUBLE_EQ(canvas.texts[i].y, expected[i].y);
    EXPECT_EQ(canvas.texts[i].colour, expected[i].name);
    EXPECT_EQ(canvas.texts[i].text, file[i].substr(20));
  }
  EXPECT_EQ(canvas.clears, 0);  // drawn on top of the map
}

// Faults: a zoom threshold taken as <= for <, a class named at the wrong zoom.
TEST(CityDrawingTest, NamesByZoom) {
  const std::vector<std::string> file = {"10.000 -020.000 2 0 A", "10.000 -020.000 3 0 B",
                                         "10.000 -020.000 8 0 C", "10.000 -020.000 9 3 D"};
  const std::pair<double, std::string> cases[] = {
      {899.9, "ABCD"}, {900, "AD"}, {11999.9, "AD"}, {12000, ""}, {13885, ""},
  };
  for (const auto& [zoom, names] : cases) {
    SCOPED_TRACE(zoom);
    RecordingCanvas canvas(6000, 6000);
    DrawCityLines(Lines(file), Map(zoom), canvas, 1.0);
    EXPECT_EQ(canvas.circles.size(), 4u);
    std::string drawn;
    for (const auto& t : canvas.texts) drawn += t.text;
    EXPECT_EQ(drawn, names);
  }
}

// Faults: an edge taken as < for <=, latitude and longitude swapped, a wrap added.
TEST(CityDrawingTest, LimitsAreInclusiveAndDoNotWrap) {
  const std::pair<std::string, bool> cases[] = {
      {"15.000 -020.000 1 0 N", true},  {"15.001 -020.000 1 0 N", false},
      {"05.000 -020.000 1 0 S", true},  {"04.999 -020.000 1 0 S", false},
      {"10.000 -025.000 1 0 E", true},  {"10.000 -025.001 1 0 E", false},
      {"10.000 -015.000 1 0 W", true},  {"10.000 -014.999 1 0 W", false},
      // Latitude and longitude not swapped: 20° N 10° E is off the map.
      {"20.000 -010.000 1 0 X", false},
  };
  for (const auto& [line, drawn] : cases) {
    SCOPED_TRACE(line);
    RecordingCanvas canvas(6000, 6000);
    DrawCityLines(Lines({line}), Map(600), canvas, 1.0);
    EXPECT_EQ(canvas.circles.size(), drawn ? 1u : 0u);
  }
  // Centred on 179° E, a city at 179° W, 2° away across the 180th meridian,
  // is not drawn.
  MapState m = Map(600);
  m.LONCENTD = 179;
  RecordingCanvas canvas(6000, 6000);
  EXPECT_EQ(DrawCityLines(Lines({"10.000 179.000 1 0 Far", "10.000 -178.000 1 0 Near"}), m, canvas, 1.0), 1);
  ASSERT_EQ(canvas.texts.size(), 1u);
  EXPECT_EQ(canvas.texts[0].text, "Near");
}

// Faults: a bad line stopping the drawing, a name not decoded from Windows-1252.
TEST(CityDrawingTest, SkipsWhatIsNoCityAndGoesOn) {
  const std::vector<std::string> file = {
      "; Pays", "", " ", "10.000 -020.000 1 0 A;B", "garbage", "10.000 -020.000 x 0 Bad",
      "10.000 -020.000 1 0 Bogot\xE1", ";", " ", "; ", "; Villes d\xE9" "finies", "; ",
      "10.500 -020.500 9 3 Ici",
  };
  RecordingCanvas canvas(6000, 6000);
  EXPECT_EQ(DrawCityLines(Lines(file), Map(600), canvas, 1.0), 2);
  ASSERT_EQ(canvas.texts.size(), 2u);
  EXPECT_EQ(canvas.texts[0].text, "Bogotá");  // decoded from Windows-1252
  EXPECT_EQ(canvas.texts[1].text, "Ici");
}

// Faults: the one-pixel floor dropped; a division by a zero scale.
TEST(CityDrawingTest, CircleNeverBelowOnePixelAndNothingWithoutScales) {
  MapState m = Map(600);
  m.Pas_Inter = 0.05f;
  m.PasLong = 0.05f;
  RecordingCanvas canvas(6000, 6000);
  DrawCityLines(Lines({"10.000 -020.000 9 3 A", "10.000 -020.000 4 0 B"}), m, canvas, 15.0);
  ASSERT_EQ(canvas.circles.size(), 2u);
  EXPECT_DOUBLE_EQ(canvas.circles[0].r, 15.0);
  EXPECT_DOUBLE_EQ(canvas.circles[1].r, 15.0);

  for (const auto zero : {&MapState::Pas_Inter, &MapState::PasLong}) {
    MapState none = Map(600);
    none.*zero = 0;
    RecordingCanvas empty(6000, 6000);
    EXPECT_EQ(DrawCityLines(Lines({"10.000 -020.000 9 3 A"}), none, empty, 1.0), 0);
    EXPECT_TRUE(empty.circles.empty());
  }
}

}  // namespace
}  // namespace pellamar
