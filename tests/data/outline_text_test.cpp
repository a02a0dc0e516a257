#include "convert/outline_text.h"
#include "convert/polyline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace pellamar::tools {
namespace {

// Catches >= for > on the tolerance or a kept point dropped.
TEST(PolylineTest, DouglasPeucker) {
  // Teeth of ±0.05° along a 4° run, then a 3° leg north. (2, 0) lies 0.033°
  // from the chord (1, 0.05)–(4, 0), then on the chord (1, 0.05)–(3, −0.05).
  const Polyline line = {{0, 0}, {1, 0.05}, {2, 0}, {3, -0.05}, {4, 0}, {4, 3}};
  const Polyline teeth = {{0, 0}, {1, 0.05}, {3, -0.05}, {4, 0}, {4, 3}};
  EXPECT_EQ(DouglasPeucker(line, 0.1), (Polyline{{0, 0}, {4, 0}, {4, 3}}));
  EXPECT_EQ(DouglasPeucker(line, 0.04), teeth);
  EXPECT_EQ(DouglasPeucker(line, 1e-9), teeth);
  EXPECT_EQ(DouglasPeucker(line, 0.0), line);
  // A point exactly at the tolerance goes.
  EXPECT_EQ(DouglasPeucker({{0, 0}, {1, 0.5}, {2, 0}}, 0.5), (Polyline{{0, 0}, {2, 0}}));
  // A closed ring: distances from its first (and last) point; smaller than
  // the tolerance, it shrinks to that point.
  const Polyline ring = {{0, 0}, {1, 0}, {1, 1}, {0.5, 1.01}, {0, 1}, {0, 0}};
  EXPECT_EQ(DouglasPeucker(ring, 0.1), (Polyline{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}));
  EXPECT_EQ(DistinctPointCount(DouglasPeucker(ring, 5.0)), 1u);
}

// Catches no cut at 180° or a step cap off by one.
TEST(PolylineTest, SplitsAtThe180JumpAndCapsEverySegment) {
  struct Case { Polyline in; std::vector<std::size_t> part_sizes; };
  const Case cases[] = {
      {{{179.8, 0}, {180.0, 0}, {-180.0, 0}, {-179.8, 0}, {-179.6, 0}}, {2, 3}},  // cut at 180°
      {{{179, 0}, {-179, 0}}, {}},      // a lone point left by a cut is dropped
      {{{-90, 0}, {90, 0}}, {362}},     // exactly 180° apart: capped (361 steps), not cut
      {{{0, 0}, {0.4, 0.3}}, {3}},      // 0.5°: over the cap, halved
      {{{0, 0}, {0.3, 0.3}}, {2}},      // 0.42°: untouched
      {{{10, 20}, {38, 20}}, {58}},     // a 28° border segment: 57 steps
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << &c - cases);
    const auto parts = SplitAndCap(c.in);
    std::vector<std::size_t> sizes;
    for (const Polyline& p : parts) {
      sizes.push_back(p.size());
      for (std::size_t i = 1; i < p.size(); ++i) {
        EXPECT_LE(std::hypot(p[i].lon_deg - p[i - 1].lon_deg, p[i].lat_deg - p[i - 1].lat_deg),
                  kMaxSegmentDeg + 1e-12);
      }
    }
    EXPECT_EQ(sizes, c.part_sizes);
    if (parts.empty()) continue;  // the original points are kept
    EXPECT_TRUE(parts.front().front() == c.in.front() && parts.back().back() == c.in.back());
  }
}

// Catches latitude flipped, 180° W written as 0, a wrong part separator.
TEST(OutlineTextTest, PointLines) {
  const std::pair<LonLat, std::string> cases[] = {
      {{2.3488, 48.85341}, "0.5065244 0.5454677\r\n"},
      {{180, 90}, "1.0000000 0.7071068\r\n"},
      // 180° W would be x = 0, which ends the drawing: the smallest x kept.
      {{-180, -90}, "0.0000001 0.0000000\r\n"},
      {{-179.99999999, 0}, "0.0000001 0.3535534\r\n"},
  };
  for (const auto& [point, line] : cases) EXPECT_EQ(FormatOutlinePoint(QuantizePoint(point)), line);
  // Parts are parted by a "2 0" line.
  EXPECT_EQ(FormatOutline({{{1, 0}, {2, 0}}, {{3, 0}}}),
            "0.0000001 0.0000000\r\n0.0000002 0.0000000\r\n2 0\r\n0.0000003 0.0000000\r\n");
}

// Catches a collapsed ring kept or repeated points written.
TEST(OutlineTextTest, PrepareLineDropsCollapsedRingsAndRepeats) {
  const SourceLine tiny_ring{{{10, 10}, {10.001, 10}, {10, 10.001}, {10, 10}}, true, 1.0};
  EXPECT_EQ(PrepareLine(tiny_ring, 0.0).size(), 1u);
  EXPECT_TRUE(PrepareLine(tiny_ring, 0.01).empty());
  // There and back: a line of two points, but no ring.
  const Polyline there_and_back = {{10, 10}, {11, 10}, {10, 10}};
  EXPECT_TRUE(PrepareLine({there_and_back, true, 1.0}, 0.0).empty());
  EXPECT_FALSE(PrepareLine({there_and_back, false, 1.0}, 0.0).empty());
  // Points closer than the file's grid become one: 10, then 1° in three steps.
  EXPECT_EQ(LineCount(PrepareLine({{{10, 10}, {10 + 1e-9, 10}, {11, 10}}, false, 1.0}, 0.0)), 4u);
}

// Catches needless thinning or the heaviest line dropped.
TEST(OutlineTextTest, FitOutlineThinsOnlyWhenNeededAndDropsLightestLast) {
  // A zigzag of 101 points 0.1° apart with 0.01° teeth, and a small square.
  SourceLine zigzag{{}, false, 100.0};
  for (int i = 0; i <= 100; ++i) zigzag.points.push_back({i * 0.1, (i % 2) * 0.01});
  const SourceLine square{{{50, 0}, {50.1, 0}, {50.1, 0.1}, {50, 0.1}, {50, 0}}, true, 1.0};
  const std::vector<SourceLine> lines = {square, zigzag};

  // Room for all: nothing thinned, the heaviest first.
  const FitResult roomy = FitOutline(lines, 1000, 0.05);
  EXPECT_EQ(std::tuple(roomy.tolerance_deg, LineCount(roomy.parts), roomy.parts.at(0).size()),
            std::tuple(0.0, 101u + 1 + 5, 101u));

  const FitResult tight = FitOutline(lines, 60, 0.05);
  EXPECT_TRUE(tight.tolerance_deg > 0.0 && tight.tolerance_deg <= 0.01001) << tight.tolerance_deg;
  EXPECT_LE(LineCount(tight.parts), 60u);
  EXPECT_EQ(tight.lines_dropped, 0u);

  // Even at the ceiling the zigzag needs its 10° in 0.499° steps: 22 points.
  const FitResult full = FitOutline(lines, 23, 0.05);
  EXPECT_EQ(std::tuple(full.lines_dropped, full.parts.size()), std::tuple(1u, 1u));
}

}  // namespace
}  // namespace pellamar::tools
