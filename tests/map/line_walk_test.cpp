#include "map/view/line_walk.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace pellamar {
namespace {

using Pixels = std::vector<std::pair<int, int>>;

Pixels Walk(int ax, int ay, int bx, int by) {
  Pixels out;
  WalkLine(ax, ay, bx, by, [&](int x, int y) { out.emplace_back(x, y); });
  return out;
}

// Pixel lists worked by hand with the integer Bresenham rule (error term
// dx - dy, both steps taken on a tie). Faults: a tie stepping only one
// axis, an end left out, a wrong direction in a negative octant.
TEST(LineWalkTest, EveryPixelFromEndToEnd) {
  const struct { int ax, ay, bx, by; Pixels pixels; } cases[] = {
      {0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
      {0, 0, -2, -4, {{0, 0}, {-1, -1}, {-1, -2}, {-2, -3}, {-2, -4}}},
      {5, 1, 5, 4, {{5, 1}, {5, 2}, {5, 3}, {5, 4}}},
      {3, 3, 0, 0, {{3, 3}, {2, 2}, {1, 1}, {0, 0}}},
      {7, 7, 7, 7, {{7, 7}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ax << "," << c.ay << " -> " << c.bx << "," << c.by);
    EXPECT_EQ(Walk(c.ax, c.ay, c.bx, c.by), c.pixels);
  }
}

}  // namespace
}  // namespace pellamar
