#include "overlays/line_pool.h"

#include <gtest/gtest.h>

namespace pellamar {
namespace {

constexpr double kWidth = 12000, kHeight = 6000;

// True when no part of the segment lies inside the picture.
bool OffThePicture(const PoolLine& l) {
  const bool left = l.X1 < 0 && l.X2 < 0, right = l.X1 > kWidth && l.X2 > kWidth;
  const bool above = l.Y1 < 0 && l.Y2 < 0, below = l.Y1 > kHeight && l.Y2 > kHeight;
  return left || right || above || below;
}

LinePools StartedPools(const OverlayColours& colours = {}) {
  LinePools pools = DesignedLinePools();
  InitLinePools(pools, colours, kWidth);
  return pools;
}

// Catches a wrong pen, width or style, element 0 not recoloured or placed on
// the picture, an off-by-one in the elements created or shown.
TEST(LinePoolTest, CreatedElementsCopyElementZerosPenAndStyleAndStartOffThePicture) {
  const OverlayColours colours{Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9)};
  const LinePools pools = StartedPools(colours);
  struct Expect {
    const std::vector<PoolLine>* pool;
    LineStyle style;
    int width;
    PenMode pen;
    Colour colour;
  };
  const Expect table[] = {
      {&pools.L, LineStyle::Solid, 2, PenMode::Copy, colours.curve},
      {&pools.N, LineStyle::Solid, 1, PenMode::Mask, colours.night},
  };
  ASSERT_EQ(pools.L.size(), 361u);
  ASSERT_EQ(pools.N.size(), 361u);
  ASSERT_EQ(pools.P.size(), 19u);
  for (const Expect& e : table) {
    for (std::size_t i = 0; i < e.pool->size(); ++i) {
      SCOPED_TRACE(i);
      const PoolLine& l = (*e.pool)[i];
      // Shown, but off the picture until the first drawing places them.
      EXPECT_EQ(l.visible, e.pool == &pools.L || i > 0);
      if (l.visible) EXPECT_TRUE(OffThePicture(l));
      EXPECT_EQ(l.style, e.style);
      EXPECT_EQ(l.width, e.width);
      EXPECT_EQ(l.pen, e.pen);
      // Element 0 takes the pool's colour too.
      EXPECT_EQ(l.colour, e.colour);
    }
  }
  for (std::size_t i = 0; i < pools.P.size(); ++i) {
    SCOPED_TRACE(i);
    const PoolLine& p = pools.P[i];
    EXPECT_EQ(p.style, LineStyle::Dotted);
    EXPECT_EQ(p.pen, PenMode::Mask);
    EXPECT_EQ(p.width, 1);
    EXPECT_EQ(p.X1, 0);
    EXPECT_EQ(p.X2, kWidth);
    // The parallels and the meridian are shown; the ticks wait for the
    // graticule, in element 0's designed colour.
    EXPECT_EQ(p.visible, i <= 5);
    EXPECT_TRUE(OffThePicture(p));
    EXPECT_EQ(p.colour, i <= 5 ? colours.parallels : DesignedLinePools().P[0].colour);
  }
}

// Catches a pool not hidden or recoloured, the curve colour given to the
// night, the parallels left visible when hidden.
TEST(LinePoolTest, HidingAndRecolouring) {
  LinePools pools = StartedPools();
  for (auto& p : pools.P) p.visible = true;
  HideDaylightPools(pools);
  for (std::size_t i = 0; i < 361; ++i) {
    EXPECT_FALSE(pools.L[i].visible);
    EXPECT_FALSE(pools.N[i].visible);
  }
  // The rebuild's hiding leaves the parallels alone.
  for (const auto& p : pools.P) EXPECT_TRUE(p.visible);

  const OverlayColours colours{Rgb(10, 20, 30), Rgb(40, 50, 60), 0};
  RecolourDaylightPools(pools, colours);
  for (std::size_t i = 0; i < 361; ++i) {
    EXPECT_EQ(pools.L[i].colour, colours.curve);
    EXPECT_EQ(pools.N[i].colour, colours.night);
  }

  struct Case {
    Colour colour;
    bool visible;
  };
  for (const Case c : {Case{kHiddenColour, false}, Case{0x800000, true}, Case{0, true}}) {
    SCOPED_TRACE(c.colour);
    RecolourParallelPool(pools, c.colour);
    for (const auto& p : pools.P) {
      EXPECT_EQ(p.colour, c.colour);
      EXPECT_EQ(p.visible, c.visible);
    }
  }
}

}  // namespace
}  // namespace pellamar
