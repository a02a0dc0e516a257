#include "map/outline_drawing.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace pellamar {
namespace {

constexpr double kW = 28600, kH = 13565;

// Outline coordinates of a place.
double X(double lon) { return (lon + 180) / 360; }
float Y(double lat) { return static_cast<float>((lat + 90) / (180 * kSqrt2)); }

MapState WorldMap(float lat = 0, float lon = 0, double zoom = 12675.109106746411) {
  MapState m;
  m.ZOOMc = zoom;
  SetCentre(m, lat, lon);
  PlaceCentre(m, kW, kH);
  UpdateScales(m, kW, kH);
  return m;
}

Outline Points(std::initializer_list<std::pair<double, float>> pts) {
  Outline o;
  for (auto [x, y] : pts) {
    o.x.push_back(x);
    o.y.push_back(y);
  }
  return o;
}

TEST(OutlineDrawingTest, SegmentsLandWhereTheMapPutsTheirEnds) {
  // Worked by hand for a 28600 × 13565-twip picture (see MapStateTest):
  // whole world on 0°, 0°: Paris at (14450.89, 3645.72), Sydney at
  // (24008.55, 8959.30); zoomed out twice on 170° E: 170° W, 10° N at
  // (3384.30, 6461.44), 175° E on the equator at (14460.53, 6782.50).
  const struct {
    const char* what;
    MapState map;
    double lat1, lon1, lat2, lon2, x1, y1, x2, y2;
  } cases[] = {
      {"Paris to Sydney", WorldMap(), 48.85, 2.35, -33.9, 151.2, 14450.89, 3645.72, 24008.55,
       8959.30},
      {"west of 180 degrees stays west", WorldMap(0, 170, 2 * kWholeWorldZoom), 10, -170, 0, 175,
       3384.30, 6461.44, 14460.53, 6782.50},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::RecordingCanvas canvas(kW, kH);
    DrawOutline(Points({{X(c.lon1), Y(c.lat1)}, {X(c.lon2), Y(c.lat2)}}), c.map, canvas, 0x123456,
                {});
    ASSERT_EQ(canvas.lines.size(), 1u);
    const auto& l = canvas.lines[0];
    EXPECT_NEAR(l.x1, c.x1, 0.05);
    EXPECT_NEAR(l.y1, c.y1, 0.05);
    EXPECT_NEAR(l.x2, c.x2, 0.05);
    EXPECT_NEAR(l.y2, c.y2, 0.05);
    EXPECT_EQ(l.colour, 0x123456u);
  }
}

TEST(OutlineDrawingTest, BreaksEndsAndTheWestEdge) {
  const MapState m = WorldMap();
  const struct {
    const char* what;
    Outline outline;
    std::size_t lines;
  } cases[] = {
      {"three points, two segments", Points({{0.5, 0.3f}, {0.51, 0.3f}, {0.52, 0.31f}}), 2},
      {"a break splits polylines", Points({{0.5, 0.3f}, {0.51, 0.3f}, {2, 0}, {0.6, 0.3f}, {0.61, 0.3f}}), 2},
      {"a 0 0 point ends the data", Points({{0.5, 0.3f}, {0.51, 0.3f}, {0, 0}, {0.6, 0.3f}, {0.61, 0.3f}}), 1},
      {"x = 0 never ends a segment", Points({{0.01, 0.3f}, {0, 0.3f}}), 0},
      {"x = 0 may start one", Points({{0, 0.3f}, {0.01, 0.3f}}), 1},
      {"a line without a space: x 0, y 0.5", Points({{0.01, 0.5f}, {0, 0.5f}, {0.01, 0.5f}}), 1},
      {"an empty line in the middle ends the data",
       Points({{0.5, 0.3f}, {0.51, 0.3f}, {0.52, 0.3f}, {0, 0}, {0.6, 0.3f}, {0.61, 0.3f}}), 2},
      {"a break first", Points({{2, 0}, {0.5, 0.3f}, {0.51, 0.3f}}), 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::RecordingCanvas canvas(kW, kH);
    DrawOutline(c.outline, m, canvas, 0, {});
    EXPECT_EQ(canvas.lines.size(), c.lines);
  }
}

TEST(OutlineDrawingTest, ASegmentWithOneEndBeyondTheMarginIsDroppedWhole) {
  // Zoomed on Paris: 1 minute of visible height per... a 100 × K twip margin.
  const MapState m = WorldMap(48.85f, 2.35f, 60);
  testing::RecordingCanvas canvas(kW, kH);
  // Both ends near Paris: drawn. One end 20° away: dropped, though it starts
  // in the middle of the map.
  DrawOutline(Points({{X(2.3), Y(48.8)}, {X(2.4), Y(48.9)}, {2, 0}, {X(2.35), Y(48.85)}, {X(22.35), Y(48.85)}}),
              m, canvas, 0, {});
  ASSERT_EQ(canvas.lines.size(), 1u);
  EXPECT_NEAR(canvas.lines[0].x1, Project(m, 48.8, 2.3).x, 1.0);
}

TEST(OutlineDrawingTest, TheMarginAroundThePictureIs100TimesK) {
  // Whole world on 0°, 0°: K = 10800 / ZOOMc = 0.852, a margin of 85 twips.
  // These places lie 50 twips (kept) and 120 twips (dropped) beyond an
  // edge of the 28600 × 13565 picture (64.2125 twips a degree of latitude,
  // 64.2100 of longitude).
  const struct { const char* what; double lat, lon; bool drawn; } cases[] = {
      {"below, 50", -106.4046, 0, true},   {"below, 120", -107.4947, 0, false},
      {"above, 50", 106.4046, 0, true},    {"above, 120", 107.4947, 0, false},
      {"left, 50", 0, -223.4854, true},    {"left, 120", 0, -224.5756, false},
  };  // (beyond the right edge x would exceed 1: a break)
  const MapState m = WorldMap();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // The place as the first and as the second end of a segment.
    testing::RecordingCanvas canvas(kW, kH);
    DrawOutline(Points({{X(c.lon), Y(c.lat)}, {X(1), Y(1)}, {2, 0}, {X(1), Y(1)}, {X(c.lon), Y(c.lat)}}),
                m, canvas, 0, {});
    EXPECT_EQ(canvas.lines.size(), c.drawn ? 2u : 0u);
  }
}

TEST(OutlineDrawingTest, NoWrapAtTheAntimeridian) {
  // Centre 170° E at the whole-world zoom: the world is 23,115 twips wide, so
  // 175° W–170° W lie some 22,000 twips left of the centre, beyond the left
  // margin, and are not drawn; wrapped, they would land right of the centre.
  // 160° E–165° E, on the same side as the centre, is drawn.
  const MapState m = WorldMap(0, 170);
  testing::RecordingCanvas canvas(kW, kH);
  DrawOutline(Points({{X(-175), Y(0)}, {X(-170), Y(1)}, {2, 0}, {X(160), Y(0)}, {X(165), Y(1)}}),
              m, canvas, 0, {});
  ASSERT_EQ(canvas.lines.size(), 1u);
  // 10° and 5° west of the centre: 642.10 and 321.05 twips.
  EXPECT_NEAR(canvas.lines[0].x1, 14300 - 642.10, 0.05);
  EXPECT_NEAR(canvas.lines[0].x2, 14300 - 321.05, 0.05);
}

TEST(OutlineDrawingTest, EveryLoadedPointIsDrawnAndProgressStepsEveryTenThousand) {
  // 120,000 points along the equator: every one of them is drawn, not only
  // the first tens of thousands.
  Outline o;
  const std::size_t n = 120000;
  for (std::size_t i = 0; i < n; ++i) {
    o.x.push_back(0.25 + 0.5 * static_cast<double>(i) / n);
    o.y.push_back(Y(0));
  }
  const MapState m = WorldMap();
  testing::RecordingCanvas canvas(kW, kH);
  int steps = 0;
  DrawOutline(o, m, canvas, 0, [&] { ++steps; });
  EXPECT_EQ(canvas.lines.size(), n - 1);
  EXPECT_EQ(steps, 12);  // i = 1, 10001, …, 110001
  // A segment left undrawn takes its progress step with it: here the one
  // from point 1 (to a break).
  o.x[2] = 2;
  canvas.Clear();
  steps = 0;
  DrawOutline(o, m, canvas, 0, [&] { ++steps; });
  EXPECT_EQ(canvas.lines.size(), n - 3);
  EXPECT_EQ(steps, 11);
}

TEST(OutlineDrawingTest, NoScaleDrawsNothing) {
  MapState m;  // ZOOMc 0: never drawn
  testing::RecordingCanvas canvas(kW, kH);
  DrawOutline(Points({{0.5, 0.3f}, {0.51, 0.3f}}), m, canvas, 0, {});
  EXPECT_TRUE(canvas.lines.empty());
}

}  // namespace
}  // namespace pellamar
