#include "map/outline_drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/recording_canvas.h"

namespace pellamar {
namespace {

constexpr double kW = 28600, kH = 13565;

// Outline coordinates of a place.
double X(double lon) { return (lon + 180) / 360; }
float Y(double lat) { return static_cast<float>((lat + 90) / (180 * kSqrt2)); }

MapState WorldMap(float lat, float lon, double zoom) {
  MapState m;
  m.ZOOMc = zoom;
  SetCentre(m, lat, lon);
  PlaceCentre(m, kW, kH);
  UpdateScales(m, kW, kH);
  return m;
}

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
  struct Seg { double x1, y1, x2, y2; };
  const struct { const char* what; MapState map; Outline outline; std::vector<Seg> segs; } cases[] = {
      {"Paris to Sydney", WorldMap(0, 0, kWholeWorldZoom),
       Outline{{X(2.35), X(151.2)}, {Y(48.85), Y(-33.9)}}, {{14450.89, 3645.72, 24008.55, 8959.30}}},
      {"170 W stays west of 175 E", WorldMap(0, 170, 2 * kWholeWorldZoom),
       Outline{{X(-170), X(175)}, {Y(10), Y(0)}}, {{3384.30, 6461.44, 14460.53, 6782.50}}},
      {"east of 180 is not wrapped west", WorldMap(0, 170, kWholeWorldZoom),
       Outline{{X(-175), X(-170), 2, X(160), X(165)}, {Y(0), Y(1), 0, Y(0), Y(1)}},
       {{13657.90, 6782.50, 13978.95, 6718.29}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto lines = Draw(c.outline, c.map);
    ASSERT_EQ(lines.size(), c.segs.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_NEAR(lines[i].x1, c.segs[i].x1, 0.05);
      EXPECT_NEAR(lines[i].y1, c.segs[i].y1, 0.05);
      EXPECT_NEAR(lines[i].x2, c.segs[i].x2, 0.05);
      EXPECT_NEAR(lines[i].y2, c.segs[i].y2, 0.05);
      EXPECT_EQ(lines[i].colour, 0x123456u);
    }
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
  const struct { const char* what; double zoom; Outline outline; std::size_t lines; } cases[] = {
      {"three points", kWholeWorldZoom, Outline{{0.5, 0.51, 0.52}, {0.3f, 0.3f, 0.31f}}, 2},
      {"a break splits", kWholeWorldZoom, Outline{{0.5, 0.51, 2, 0.6, 0.61}, {0.3f, 0.3f, 0, 0.3f, 0.3f}}, 2},
      {"a break on the map", 4 * kWholeWorldZoom, Outline{{0.5, 2, 0.6}, {0.3f, 0, 0.3f}}, 0},
      {"a break first", kWholeWorldZoom, Outline{{2, 0.5, 0.51}, {0, 0.3f, 0.3f}}, 1},
      {"x = 0 never ends a segment", kWholeWorldZoom, Outline{{0.01, 0}, {0.3f, 0.3f}}, 0},
      {"x = 0 may start one", kWholeWorldZoom, Outline{{0, 0.01}, {0.3f, 0.3f}}, 1},
      {"x = 1 (180 E) may end one", kWholeWorldZoom, Outline{{0.99, 1}, {0.3f, 0.3f}}, 1},
      {"an empty line in the middle ends the data", kWholeWorldZoom,
       ParseOutline("0.5 0.3\r\n0.51 0.3\r\n0.52 0.3\r\n\r\n0.6 0.3\r\n0.61 0.3\r\n").outline, 2},
      {"no scale", 0, Outline{{0.5, 0.51}, {0.3f, 0.3f}}, 0},
      {"margin below, 50", kWholeWorldZoom, AroundMargin(-106.4046, 0), 2},
      {"margin below, 120", kWholeWorldZoom, AroundMargin(-107.4947, 0), 0},
      {"margin above, 50", kWholeWorldZoom, AroundMargin(106.4046, 0), 2},
      {"margin above, 120", kWholeWorldZoom, AroundMargin(107.4947, 0), 0},
      {"margin left, 50", kWholeWorldZoom, AroundMargin(0, -223.4854), 2},
      {"margin left, 120", kWholeWorldZoom, AroundMargin(0, -224.5756), 0},
  };  // (beyond the right edge x would exceed 1: a break)
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Draw(c.outline, WorldMap(0, 0, c.zoom)).size(), c.lines);
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
  const MapState m = WorldMap(0, 0, kWholeWorldZoom);
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
