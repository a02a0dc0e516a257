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

TEST(OutlineDrawingTest, SegmentsLandWhereTheForwardPlacementPutsThem) {
  const MapState m = WorldMap(10, 20, 3000);
  testing::RecordingCanvas canvas(kW, kH);
  DrawOutline(Points({{X(15), Y(5)}, {X(25), Y(12)}}), m, canvas, 0x123456, {});
  ASSERT_EQ(canvas.lines.size(), 1u);
  const auto& l = canvas.lines[0];
  const PicturePoint a = Project(m, 5, 15), b = Project(m, 12, 25);
  EXPECT_NEAR(l.x1, a.x, 0.5);
  EXPECT_NEAR(l.y1, a.y, 0.5);
  EXPECT_NEAR(l.x2, b.x, 0.5);
  EXPECT_NEAR(l.y2, b.y, 0.5);
  EXPECT_EQ(l.colour, 0x123456u);
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

TEST(OutlineDrawingTest, NoWrapAtTheAntimeridian) {
  // Centre 170° E at the whole-world zoom: the picture east of 180° stays
  // empty, and points west of 180° land far to the left.
  const MapState m = WorldMap(0, 170);
  testing::RecordingCanvas canvas(kW, kH);
  DrawOutline(Points({{X(-175), Y(0)}, {X(-170), Y(1)}}), m, canvas, 0, {});
  for (const auto& l : canvas.lines) {
    EXPECT_LT(l.x1, m.Xc - 300 * 60 * m.PasLong);
  }
}

TEST(OutlineDrawingTest, EveryLoadedPointIsDrawnAndProgressStepsEveryTenThousand) {
  // 120,000 points along the equator, well past the old 60,001 limit.
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
}

TEST(OutlineDrawingTest, NoScaleDrawsNothing) {
  MapState m;  // ZOOMc 0: never drawn
  testing::RecordingCanvas canvas(kW, kH);
  DrawOutline(Points({{0.5, 0.3f}, {0.51, 0.3f}}), m, canvas, 0, {});
  EXPECT_TRUE(canvas.lines.empty());
}

}  // namespace
}  // namespace pellamar
