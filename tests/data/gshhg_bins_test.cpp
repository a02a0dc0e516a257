#include "convert/gshhg_bins.h"

#include <gtest/gtest.h>

namespace pellamar::tools {
namespace {

constexpr double kTol = 1e-9;

// A 2 × 1 grid of 180° bins (10,800 minutes): bin 0 has its corner at
// 0° E 90° S, bin 1 at 180° (written 180° W).
BinGrid TwoBinGrid() {
  BinGrid grid;
  grid.bin_size_minutes = 10800;
  grid.bins_in_longitude = 2;
  grid.first_segment_in_bin = {0, 1};
  grid.segments_in_bin = {1, 1};
  // Offsets as netCDF hands them over: signed shorts; −1 is 65535 (the far edge).
  grid.rel_lon = {0, -1, static_cast<std::int16_t>(32768), 0};
  grid.rel_lat = {0, -1, 0, 16384};
  return grid;
}

TEST(GshhgBinsTest, DecodesCornersAndUnsignedOffsets) {
  const auto pieces = DecodeBins(TwoBinGrid(), {{0, 2}, {2, 2}});
  ASSERT_EQ(pieces.size(), 2u);
  struct Expect { std::size_t piece, point; double lon, lat; };
  const Expect expected[] = {
      {0, 0, 0.0, -90.0},
      {0, 1, 180.0, 90.0},                          // 65535/65535 of the bin
      {1, 0, -180.0 + 180.0 * 32768 / 65535, -90.0},  // corner 180° → −180°
      {1, 1, -180.0, -90.0 + 180.0 * 16384 / 65535},
  };
  for (const Expect& e : expected) {
    SCOPED_TRACE(testing::Message() << "piece " << e.piece << " point " << e.point);
    EXPECT_NEAR(pieces[e.piece].points[e.point].lon_deg, e.lon, kTol);
    EXPECT_NEAR(pieces[e.piece].points[e.point].lat_deg, e.lat, kTol);
  }
  EXPECT_EQ(pieces[1].bin, 1);
}

TEST(GshhgBinsTest, SouthWestCornerOfARowBelowTheFirst) {
  // 5° bins, 72 across: bin 72 + 37 is the second row (85° to 80° N) at 185° → −175°.
  BinGrid grid;
  grid.bin_size_minutes = 300;
  grid.bins_in_longitude = 72;
  grid.first_segment_in_bin.assign(144, 0);
  grid.segments_in_bin.assign(144, 0);
  grid.segments_in_bin[72 + 37] = 1;
  grid.rel_lon = {0};
  grid.rel_lat = {0};
  const auto pieces = DecodeBins(grid, {{0, 1}});
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_NEAR(pieces[0].points[0].lon_deg, -175.0, kTol);
  EXPECT_NEAR(pieces[0].points[0].lat_deg, 80.0, kTol);
}

TEST(GshhgBinsTest, SkipsSegmentsPointingOutsideTheArrays) {
  const auto pieces = DecodeBins(TwoBinGrid(), {{0, 2}, {3, 5}});
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].segment, 0);
}

TEST(GshhgBinsTest, ShoreInfoFields) {
  const ShoreInfo info = DecodeShoreInfo((1234 << 9) | (3 << 6) | (2 << 3) | 4);
  EXPECT_EQ(info.point_count, 1234);
  EXPECT_EQ(info.level, 3);
  EXPECT_EQ(info.exit_side, 2);
  EXPECT_EQ(info.entry_side, 4);
}

TEST(GshhgBinsTest, ChainsPiecesIntoRingsInAnyOrder) {
  // A square cut into three pieces at bin edges, given out of order, and a
  // separate open line.
  const std::vector<Polyline> pieces = {
      {{1, 1}, {0, 1}, {0, 0}},
      {{5, 5}, {6, 6}},
      {{0, 0}, {1, 0}},
      {{1, 0}, {1, 1}},
  };
  const auto chains = ChainPieces(pieces);
  ASSERT_EQ(chains.size(), 2u);
  EXPECT_EQ(chains[0], (Polyline{{1, 1}, {0, 1}, {0, 0}, {1, 0}, {1, 1}}));
  EXPECT_EQ(chains[1], (Polyline{{5, 5}, {6, 6}}));
}

TEST(GshhgBinsTest, ChainsAcrossTheAntimeridianAndAtMicroDegrees) {
  // 180° E and 180° W are one meridian; ends within rounding meet.
  const std::vector<Polyline> pieces = {
      {{179.5, 10}, {180.0, 10.0000001}},
      {{-180.0, 10}, {-179.5, 10}},
  };
  const auto chains = ChainPieces(pieces);
  ASSERT_EQ(chains.size(), 1u);
  EXPECT_EQ(chains[0].size(), 3u);
  EXPECT_EQ(chains[0].back(), (LonLat{-179.5, 10}));
}

TEST(GshhgBinsTest, ShorePolygonsDropTheGroundingLineAndJoinPieces) {
  ShoreFile file;
  file.grid = TwoBinGrid();
  file.grid.first_segment_in_bin = {0, 2};
  file.grid.segments_in_bin = {2, 1};
  file.grid.rel_lon = {0, 100, 100, 0, 0, 0};
  file.grid.rel_lat = {0, 0, 0, 100, 5, 6};
  // Segments 0 and 1 form polygon 7 (land); segment 2 is level 6.
  file.segment_info = {(2 << 9) | (1 << 6), (2 << 9) | (1 << 6), (2 << 9) | (6 << 6)};
  file.segment_first_point = {0, 2, 4};
  file.segment_polygon = {7, 7, 8};
  file.segment_antarctic = {0, 0, 0};
  file.polygon_area_km2.assign(9, 0.0);
  file.polygon_area_km2[7] = 42.0;
  const auto polygons = BuildShorePolygons(file);
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0].id, 7);
  EXPECT_EQ(polygons[0].level, 1);
  EXPECT_EQ(polygons[0].area_km2, 42.0);
  ASSERT_EQ(polygons[0].rings.size(), 1u);
  EXPECT_EQ(polygons[0].rings[0].size(), 3u);
}

TEST(GshhgBinsTest, LinesKeepOnlyTheAskedLevels) {
  LineFile file;
  file.grid = TwoBinGrid();
  file.grid.segments_in_bin = {2, 0};
  file.grid.rel_lon = {0, 10, 20, 30};
  file.grid.rel_lat = {0, 0, 0, 0};
  file.segment_points = {2, 2};
  file.segment_level = {2, 5};
  file.segment_first_point = {0, 2};
  const auto lines = BuildLines(file, 1, 3);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_FALSE(lines[0].ring);
  EXPECT_NEAR(lines[0].weight, 10 * 180.0 / 65535, kTol);
}

}  // namespace
}  // namespace pellamar::tools
