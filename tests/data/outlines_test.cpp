// The outline files' converter: GSHHG bins decoded and chained, lines
// thinned and cut, the text written and fitted to the file's size.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "convert/gshhg_bins.h"
#include "convert/outline_text.h"
#include "convert/polyline.h"

namespace pellamar::tools {
namespace {

// 90° bins (5,400 minutes), four across and two rows. Bin 0 (0° E, 0° N)
// holds segment 0 and bin 6 (180° → 180° W, 90° S) segment 1; two points each.
// Offsets as netCDF hands them over: signed shorts; −1 is 65535 (the far edge).
BinGrid Grid() {
  return {.bin_size_minutes = 5400, .bins_in_longitude = 4, .first_segment_in_bin = {0, 0, 0, 0, 0, 0, 1, 0},
          .segments_in_bin = {1, 0, 0, 0, 0, 0, 1, 0}, .rel_lon = {0, -1, static_cast<std::int16_t>(32768), 0},
          .rel_lat = {0, -1, 0, 16384}};
}

// Catches a corner off by one bin, no wrap past 180°, signed offsets, a
// fraction of 65536, the grounding line kept, level or area not carried, or
// < for <= at a line level bound.
TEST(GshhgBinsTest, DecodesBinsIntoShorePolygonsAndLines) {
  const auto pieces = DecodeBins(Grid(), {{0, 2}, {2, 2}});
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[1].bin, 6);
  const LonLat expected[] = {{0, 0}, {90, 90}, {-180 + 90.0 * 32768 / 65535, -90},
                             {-180, -90 + 90.0 * 16384 / 65535}};
  for (std::size_t k = 0; k < 4; ++k) {
    const LonLat& got = pieces[k / 2].points.at(k % 2);
    EXPECT_LT(std::hypot(got.lon_deg - expected[k].lon_deg, got.lat_deg - expected[k].lat_deg), 1e-9) << k;
  }
  // A segment pointing outside the point arrays is skipped.
  EXPECT_EQ(DecodeBins(Grid(), {{0, 2}, {3, 5}}).size(), 1u);
  EXPECT_EQ(DecodeBins(Grid(), {{0, 2}}).size(), 1u);  // and one past the segments

  // Segment 0 is land of polygon 7; segment 1, level 6, the Antarctic grounding line.
  const auto polygons = BuildShorePolygons(
      {.grid = Grid(), .segment_info = {(2 << 9) | (1 << 6), (2 << 9) | (6 << 6)},
       .segment_first_point = {0, 2}, .segment_polygon = {7, 8}, .segment_antarctic = {0, 0},
       .polygon_area_km2 = {0, 0, 0, 0, 0, 0, 0, 42.0, 0}});
  ASSERT_EQ(polygons.size(), 1u);
  const ShorePolygon& p = polygons[0];
  EXPECT_EQ(std::tuple(p.id, p.level, p.area_km2, p.rings.size()), std::tuple(7, 1, 42.0, 1u));
  // Levels 2 and 5, asked for 2 alone; the weight is the length in degrees.
  const auto lines = BuildLines({Grid(), {2, 2}, {2, 5}, {0, 2}}, 2, 2);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NEAR(lines[0].weight, 90.0 * std::sqrt(2.0), 1e-9);
}

// Catches a joint point doubled, no backward extension, the higher-numbered
// of two candidates taken, or 180° E and 180° W kept apart.
TEST(GshhgBinsTest, ChainsPieces) {
  // A square in three pieces out of order; a line whose head comes later and
  // that forks at (6, 6), where the lower-numbered piece goes on.
  EXPECT_EQ(ChainPieces({{{1, 1}, {0, 1}, {0, 0}}, {{5, 5}, {6, 6}}, {{0, 0}, {1, 0}}, {{1, 0}, {1, 1}},
                         {{4, 4}, {5, 5}}, {{6, 6}, {7, 6}}, {{6, 6}, {8, 6}}}),
            (std::vector<Polyline>{{{1, 1}, {0, 1}, {0, 0}, {1, 0}, {1, 1}},
                                   {{4, 4}, {5, 5}, {6, 6}, {7, 6}}, {{6, 6}, {8, 6}}}));
  // Ends within rounding meet, across the antimeridian too.
  EXPECT_EQ(ChainPieces({{{179.5, 10}, {180.0, 10.0000001}}, {{-180.0, 10}, {-179.5, 10}}}),
            (std::vector<Polyline>{{{179.5, 10}, {180.0, 10.0000001}, {-179.5, 10}}}));
}

// Catches >= for > on the tolerance, a kept point dropped, or the distance
// taken to the chord's line rather than to the chord.
TEST(PolylineTest, DouglasPeuckerSplitAt180AndCapped) {
  // Teeth of ±0.05° along a 4° run, then a 3° leg north. (2, 0) lies 0.033°
  // from the chord (1, 0.05)–(4, 0), then on the chord (1, 0.05)–(3, −0.05).
  const Polyline line = {{0, 0}, {1, 0.05}, {2, 0}, {3, -0.05}, {4, 0}, {4, 3}};
  EXPECT_EQ(DouglasPeucker(line, 0.1), (Polyline{{0, 0}, {4, 0}, {4, 3}}));
  EXPECT_EQ(DouglasPeucker(line, 0.04), (Polyline{{0, 0}, {1, 0.05}, {3, -0.05}, {4, 0}, {4, 3}}));
  EXPECT_EQ(DouglasPeucker(line, 0.0), line);
  // A point exactly at the tolerance goes; a spike beyond the chord's end stays.
  EXPECT_EQ(DouglasPeucker({{0, 0}, {1, 0.5}, {2, 0}}, 0.5), (Polyline{{0, 0}, {2, 0}}));
  EXPECT_EQ(DouglasPeucker({{0, 0}, {3, 0}, {1, 0}}, 0.5).size(), 3u);
  // A closed ring: distances from its first (and last) point.
  const Polyline ring = {{0, 0}, {1, 0}, {1, 1}, {0.5, 1.01}, {0, 1}, {0, 0}};
  EXPECT_EQ(DouglasPeucker(ring, 0.1), (Polyline{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}));

  // Catches no cut at 180° or a step cap off by one.
  struct Case { Polyline in; std::vector<std::size_t> part_sizes; };
  const Case cases[] = {
      {{{179.8, 0}, {180.0, 0}, {-180.0, 0}, {-179.8, 0}, {-179.6, 0}}, {2, 3}},  // cut at 180°
      {{{179, 0}, {-179, 0}}, {}},      // a lone point left by a cut is dropped
      {{{-90, 0}, {90, 0}}, {362}},     // exactly 180° apart: capped (361 steps), not cut
      {{{0, 0}, {0.4, 0.3}}, {3}},      // 0.5°: over the cap, halved
      {{{0, 0}, {0.3, 0.3}}, {2}},      // 0.42°: untouched
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << &c - cases);
    std::vector<std::size_t> sizes;
    for (const Polyline& p : SplitAndCap(c.in)) {
      sizes.push_back(p.size());
      for (std::size_t i = 1; i < p.size(); ++i) {
        EXPECT_LE(std::hypot(p[i].lon_deg - p[i - 1].lon_deg, p[i].lat_deg - p[i - 1].lat_deg),
                  kMaxSegmentDeg + 1e-12);
      }
    }
    EXPECT_EQ(sizes, c.part_sizes);
  }
}

// Catches latitude over 180 rather than 180·√2, 180° W written as 0, "1" lost
// at x = 1, or a wrong part separator; then the lines prepared and fitted.
TEST(OutlineTextTest, PointLinesPreparedAndFitted) {
  const std::pair<LonLat, std::string> cases[] = {
      {{2.3488, 48.85341}, "0.5065244 0.5454677\r\n"},
      {{180, 90}, "1.0000000 0.7071068\r\n"},
      {{-180, -90}, "0.0000001 0.0000000\r\n"},  // x = 0 would end the drawing
      {{0, 91}, "0.5000000 0.7071068\r\n"},     // kept on the sheet
  };
  for (const auto& [point, line] : cases) EXPECT_EQ(FormatOutlinePoint(QuantizePoint(point)), line);
  EXPECT_EQ(FormatOutline({{{1, 0}, {2, 0}}, {{3, 0}}}),
            "0.0000001 0.0000000\r\n0.0000002 0.0000000\r\n2 0\r\n0.0000003 0.0000000\r\n");

  // Catches a collapsed ring kept, repeated points written, needless thinning,
  // a wrong bisection, the heaviest line dropped or a file one line over.
  const SourceLine tiny_ring{{{10, 10}, {10.001, 10}, {10, 10.001}, {10, 10}}, true, 1.0};
  EXPECT_EQ(PrepareLine(tiny_ring, 0.0).size(), 1u);
  EXPECT_TRUE(PrepareLine(tiny_ring, 0.01).empty());
  // There and back: a line of two points, but no ring.
  const Polyline there_and_back = {{10, 10}, {10, 11}, {10, 10}};
  EXPECT_TRUE(PrepareLine({there_and_back, true, 1.0}, 0.0).empty());
  EXPECT_FALSE(PrepareLine({there_and_back, false, 1.0}, 0.0).empty());
  // Points closer than the file's grid become one: 10, then 1° in three steps.
  EXPECT_EQ(LineCount(PrepareLine({{{10, 10}, {10 + 1e-9, 10}, {11, 10}}, false, 1.0}, 0.0)), 4u);

  // A zigzag of 101 points 0.1° apart with 0.01° teeth, and a small square.
  SourceLine zigzag{{}, false, 100.0};
  for (int i = 0; i <= 100; ++i) zigzag.points.push_back({i * 0.1, (i % 2) * 0.01});
  const std::vector<SourceLine> lines = {{{{50, 0}, {50.1, 0}, {50.1, 0.1}, {50, 0.1}, {50, 0}}, true, 1.0}, zigzag};
  // Room for all: nothing thinned, the heaviest first.
  const FitResult roomy = FitOutline(lines, 1000, 0.05);
  EXPECT_EQ(std::tuple(roomy.tolerance_deg, LineCount(roomy.parts), roomy.parts.at(0).size()),
            std::tuple(0.0, 101u + 1 + 5, 101u));
  const FitResult tight = FitOutline(lines, 60, 0.05);
  EXPECT_TRUE(tight.tolerance_deg > 0.0 && tight.tolerance_deg <= 0.01001) << tight.tolerance_deg;
  EXPECT_EQ(std::tuple(LineCount(tight.parts) <= 60, tight.lines_dropped), std::tuple(true, 0u));
  // Even at the ceiling the zigzag needs its 10° in 0.499° steps: 22 points.
  const FitResult full = FitOutline(lines, 23, 0.05);
  EXPECT_EQ(std::tuple(full.lines_dropped, full.parts.size()), std::tuple(1u, 1u));
}

}  // namespace
}  // namespace pellamar::tools
