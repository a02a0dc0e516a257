#include "convert/gshhg_bins.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace pellamar::tools {
namespace {

// 90° bins (5,400 minutes), four across and two rows. Bin 0 (0° E, 0° N)
// holds segment 0 and bin 6 (180° → 180° W, 90° S) segment 1; two points each.
// Offsets as netCDF hands them over: signed shorts; −1 is 65535 (the far edge).
BinGrid Grid() {
  return {.bin_size_minutes = 5400,
          .bins_in_longitude = 4,
          .first_segment_in_bin = {0, 0, 0, 0, 0, 0, 1, 0},
          .segments_in_bin = {1, 0, 0, 0, 0, 0, 1, 0},
          .rel_lon = {0, -1, static_cast<std::int16_t>(32768), 0},
          .rel_lat = {0, -1, 0, 16384}};
}

// Catches a corner off by one bin, no wrap past 180° or signed offsets.
TEST(GshhgBinsTest, DecodesCornersAndUnsignedOffsets) {
  const auto pieces = DecodeBins(Grid(), {{0, 2}, {2, 2}});
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[1].bin, 6);
  // Two points in each piece.
  const LonLat expected[] = {{0, 0}, {90, 90}, {-180 + 90.0 * 32768 / 65535, -90},
                             {-180, -90 + 90.0 * 16384 / 65535}};
  for (std::size_t k = 0; k < 4; ++k) {
    const LonLat& got = pieces[k / 2].points.at(k % 2);
    EXPECT_NEAR(got.lon_deg, expected[k].lon_deg, 1e-9) << "point " << k;
    EXPECT_NEAR(got.lat_deg, expected[k].lat_deg, 1e-9) << "point " << k;
  }
  // A segment pointing outside the point arrays is skipped.
  EXPECT_EQ(DecodeBins(Grid(), {{0, 2}, {3, 5}}).size(), 1u);
}

// Catches a joint point doubled or pieces left unchained.
TEST(GshhgBinsTest, ChainsPiecesIntoRings) {
  // A square cut in three pieces, given out of order, and an open line.
  EXPECT_EQ(
      ChainPieces({{{1, 1}, {0, 1}, {0, 0}}, {{5, 5}, {6, 6}}, {{0, 0}, {1, 0}}, {{1, 0}, {1, 1}}}),
      (std::vector<Polyline>{{{1, 1}, {0, 1}, {0, 0}, {1, 0}, {1, 1}}, {{5, 5}, {6, 6}}}));
  // 180° E and 180° W are one meridian; ends within rounding meet.
  EXPECT_EQ(ChainPieces({{{179.5, 10}, {180.0, 10.0000001}}, {{-180.0, 10}, {-179.5, 10}}}),
            (std::vector<Polyline>{{{179.5, 10}, {180.0, 10.0000001}, {-179.5, 10}}}));
}

// Catches the grounding-line level kept.
TEST(GshhgBinsTest, ShorePolygonsDropTheGroundingLine) {
  // Segment 0 is land of polygon 7; segment 1, level 6, the Antarctic grounding line.
  const auto polygons = BuildShorePolygons(
      {.grid = Grid(), .segment_info = {(2 << 9) | (1 << 6), (2 << 9) | (6 << 6)},
       .segment_first_point = {0, 2}, .segment_polygon = {7, 8}, .segment_antarctic = {0, 0},
       .polygon_area_km2 = {0, 0, 0, 0, 0, 0, 0, 42.0, 0}});
  ASSERT_EQ(polygons.size(), 1u);
  const ShorePolygon& p = polygons[0];
  EXPECT_EQ(std::tuple(p.id, p.level, p.area_km2, p.rings.size()), std::tuple(7, 1, 42.0, 1u));
}

// Catches < for <= at either level bound.
TEST(GshhgBinsTest, LinesKeepOnlyTheAskedLevels) {
  // Levels 2 and 5, asked for 2 alone (both bounds count); the weight is the
  // length in degrees.
  const auto lines = BuildLines({Grid(), {2, 2}, {2, 5}, {0, 2}}, 2, 2);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NEAR(lines[0].weight, 90.0 * std::sqrt(2.0), 1e-9);
}

}  // namespace
}  // namespace pellamar::tools
