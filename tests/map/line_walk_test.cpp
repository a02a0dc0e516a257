#include "map/view/line_walk.h"
#include "platform/view/twips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace pellamar {
namespace {

// Pixels worked by hand with the integer Bresenham rule (both steps taken
// on a tie). Faults: a tie stepping one axis, an end left out, a wrong
// direction in a negative octant.
TEST(LineWalkTest, EveryPixelFromEndToEnd) {
  using Pixels = std::vector<std::pair<int, int>>;
  const struct { int ax, ay, bx, by; Pixels pixels; } cases[] = {
      {0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
      {0, 0, -2, -4, {{0, 0}, {-1, -1}, {-1, -2}, {-2, -3}, {-2, -4}}},
      {3, 3, 0, 0, {{3, 3}, {2, 2}, {1, 1}, {0, 0}}},
      {7, 7, 7, 7, {{7, 7}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bx);
    Pixels walked;
    WalkLine(c.ax, c.ay, c.bx, c.by, [&](int x, int y) { walked.emplace_back(x, y); });
    EXPECT_EQ(walked, c.pixels);
  }
}

// Clipped to the box [0, 10] x [0, 10], worked by hand. Faults: a segment
// that only touches an edge dropped, the wrong coordinate in a bound, a
// segment wholly outside kept, a non-finite end let through.
TEST(LineWalkTest, ClipSegmentToTheBox) {
  const struct { double ax, ay, bx, by; bool kept; std::vector<double> clipped; } cases[] = {
      {-5, 5, 15, 5, true, {0, 5, 10, 5}},   {2, -5, 2, 15, true, {2, 0, 2, 10}},
      {-5, 5, 0, 5, true, {0, 5, 0, 5}},     {-5, -5, -1, 20, false, {}},
      {NAN, 5, 5, 5, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ax << "," << c.ay << " " << c.bx << "," << c.by);
    double ax = c.ax, ay = c.ay, bx = c.bx, by = c.by;
    ASSERT_EQ(ClipSegment(ax, ay, bx, by, 0, 0, 10, 10), c.kept);
    if (c.kept) EXPECT_EQ((std::vector<double>{ax, ay, bx, by}), c.clipped);
  }
}

// 15 twips a pixel: halves round away from zero. Faults: truncation,
// a rectangle's width and height swapped, the scale ignored.
TEST(TwipsTest, RoundsToTheNearestPixel) {
  const Twips twips;
  EXPECT_EQ((std::vector{twips.Px(22.5), twips.Px(-22.5), twips.Px(7)}), (std::vector{2, -2, 0}));
  EXPECT_EQ(twips.Rect(15, 30, 45, 67.5), QRect(1, 2, 3, 5));
  EXPECT_EQ(Twips(7.5).Px(22.5), 3);
}

}  // namespace
}  // namespace pellamar
