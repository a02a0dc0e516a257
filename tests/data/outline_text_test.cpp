#include "convert/outline_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "map/outline_file.h"

namespace pellamar::tools {
namespace {

TEST(OutlineTextTest, PointLines) {
  struct Case { LonLat p; std::string line; };
  const Case cases[] = {
      {{0, 0}, "0.5000000 0.3535534\r\n"},
      {{2.3488, 48.85341}, "0.5065244 0.5454677\r\n"},
      {{180, 90}, "1.0000000 0.7071068\r\n"},
      // 180° W would be x = 0, which ends the drawing: the smallest x kept.
      {{-180, -90}, "0.0000001 0.0000000\r\n"},
      {{-179.99999999, 0}, "0.0000001 0.3535534\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(FormatOutlinePoint(QuantizePoint(c.p)), c.line);
  }
}

TEST(OutlineTextTest, FileReadsBackThroughTheProgramsReader) {
  const std::vector<OutlinePart> parts = {{{1, 0}, {2, 3}}, {{kOutlineUnit, 7071067}, {5000000, 3535534}}};
  const std::string text = FormatOutline(parts);
  EXPECT_EQ(text,
            "0.0000001 0.0000000\r\n0.0000002 0.0000003\r\n2 0\r\n"
            "1.0000000 0.7071067\r\n0.5000000 0.3535534\r\n");
  EXPECT_EQ(LineCount(parts), 5u);
  const OutlineLoad load = ParseOutline(text);
  ASSERT_EQ(load.status, OutlineStatus::Ok);
  ASSERT_EQ(load.outline.size(), 5u);
  EXPECT_DOUBLE_EQ(load.outline.x[0], 1e-7);
  EXPECT_GT(load.outline.x[2], 1.0);
  EXPECT_DOUBLE_EQ(load.outline.x[3], 1.0);
  EXPECT_FLOAT_EQ(load.outline.y[4], 0.3535534f);
}

TEST(OutlineTextTest, PrepareLineDropsCollapsedRingsAndRepeats) {
  const SourceLine tiny_ring{{{10, 10}, {10.001, 10}, {10, 10.001}, {10, 10}}, true, 1.0};
  EXPECT_EQ(PrepareLine(tiny_ring, 0.0).size(), 1u);
  EXPECT_TRUE(PrepareLine(tiny_ring, 0.01).empty());
  // Points closer than the file's grid become one.
  const SourceLine dup{{{10, 10}, {10 + 1e-9, 10}, {11, 10}}, false, 1.0};
  const auto parts = PrepareLine(dup, 0.0);
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_EQ(parts[0].size(), 4u);  // 10, then 1° in three steps: the repeat is gone
}

TEST(OutlineTextTest, FitOutlineThinsOnlyWhenNeededAndDropsLightestLast) {
  // A zigzag of 101 points 0.1° apart with 0.01° teeth, and a small square.
  SourceLine zigzag{{}, false, 100.0};
  for (int i = 0; i <= 100; ++i) zigzag.points.push_back({i * 0.1, (i % 2) * 0.01});
  const SourceLine square{{{50, 0}, {50.1, 0}, {50.1, 0.1}, {50, 0.1}, {50, 0}}, true, 1.0};
  const std::vector<SourceLine> lines = {square, zigzag};

  const FitResult roomy = FitOutline(lines, 1000, 0.05);
  EXPECT_EQ(roomy.tolerance_deg, 0.0);
  EXPECT_EQ(LineCount(roomy.parts), 101u + 1 + 5);
  EXPECT_EQ(roomy.parts[0].size(), 101u);  // heaviest first

  const FitResult tight = FitOutline(lines, 60, 0.05);
  EXPECT_GT(tight.tolerance_deg, 0.0);
  EXPECT_LE(tight.tolerance_deg, 0.01 + 1e-5);
  EXPECT_LE(LineCount(tight.parts), 60u);
  EXPECT_EQ(tight.lines_dropped, 0u);

  // Even at the ceiling the zigzag needs its 10° in 0.499° steps: 22 points.
  const FitResult full = FitOutline(lines, 23, 0.05);
  EXPECT_EQ(full.lines_dropped, 1u);
  EXPECT_EQ(full.parts.size(), 1u);
}

}  // namespace
}  // namespace pellamar::tools
