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

Outline Points(std::initializer_list<std::pair<double, float>> pts) {
  Outline o;
  for (auto [x, y] : pts) {
    o.x.push_back(x);
    o.y.push_back(y);
  }
  return o;
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
       Points({{X(2.35), Y(48.85)}, {X(151.2), Y(-33.9)}}), {{14450.89, 3645.72, 24008.55, 8959.30}}},
      {"170 W stays west of 175 E", WorldMap(0, 170, 2 * kWholeWorldZoom),
       Points({{X(-170), Y(10)}, {X(175), Y(0)}}), {{3384.30, 6461.44, 14460.53, 6782.50}}},
      {"east of 180 is not wrapped west", WorldMap(0, 170, kWholeWorldZoom),
       Points({{X(-175), Y(0)}, {X(-170), Y(1)}, {2, 0}, {X(160), Y(0)}, {X(165), Y(1)}}),
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

// Faults: a break (x > 1) drawn as a start or an end, x = 0 let through as
// an end, the data read past its first (0, 0) point, a map without scales
// drawn. Zoomed out four times, a break point lies inside the picture.
TEST(OutlineDrawingTest, BreaksEndsAndTheWestEdge) {
  const struct { const char* what; double zoom; Outline outline; std::size_t lines; } cases[] = {
      {"three points", kWholeWorldZoom, Points({{0.5, 0.3f}, {0.51, 0.3f}, {0.52, 0.31f}}), 2},
      {"a break splits", kWholeWorldZoom,
       Points({{0.5, 0.3f}, {0.51, 0.3f}, {2, 0}, {0.6, 0.3f}, {0.61, 0.3f}}), 2},
      {"a break on the map", 4 * kWholeWorldZoom, Points({{0.5, 0.3f}, {2, 0}, {0.6, 0.3f}}), 0},
      {"a break first", kWholeWorldZoom, Points({{2, 0}, {0.5, 0.3f}, {0.51, 0.3f}}), 1},
      {"x = 0 never ends a segment", kWholeWorldZoom, Points({{0.01, 0.3f}, {0, 0.3f}}), 0},
      {"x = 0 may start one", kWholeWorldZoom, Points({{0, 0.3f}, {0.01, 0.3f}}), 1},
      {"an empty line in the middle ends the data", kWholeWorldZoom,
       ParseOutline("0.5 0.3\r\n0.51 0.3\r\n0.52 0.3\r\n\r\n0.6 0.3\r\n0.61 0.3\r\n").outline, 2},
      {"no scale", 0, Points({{0.5, 0.3f}, {0.51, 0.3f}}), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Draw(c.outline, WorldMap(0, 0, c.zoom)).size(), c.lines);
  }
}

// Whole world on 0°, 0°: K = 10800 / ZOOMc = 0.852, a margin of 85 twips.
// These places lie 50 twips (kept) and 120 twips (dropped) beyond an edge
// (64.2125 twips a degree of latitude, 64.2100 of longitude); each is put
// first and then second in a segment whose other end is on the map, so a
// segment is never clipped, only dropped whole. Faults: a wrong margin, one
// end's test left out, the width and height swapped.
TEST(OutlineDrawingTest, TheMarginAroundThePictureIs100TimesK) {
  const struct { double lat, lon; bool drawn; } cases[] = {
      {-106.4046, 0, true}, {-107.4947, 0, false}, {106.4046, 0, true},
      {107.4947, 0, false}, {0, -223.4854, true},  {0, -224.5756, false},
  };  // (beyond the right edge x would exceed 1: a break)
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.lat << "," << c.lon);
    const auto lines = Draw(Points({{X(c.lon), Y(c.lat)}, {X(1), Y(1)}, {2, 0}, {X(1), Y(1)}, {X(c.lon), Y(c.lat)}}),
                            WorldMap(0, 0, kWholeWorldZoom));
    EXPECT_EQ(lines.size(), c.drawn ? 2u : 0u);
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
