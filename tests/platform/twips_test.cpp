#include "platform/view/twips.h"

#include <gtest/gtest.h>

namespace pellamar {
namespace {

// 15 twips a pixel: halves round away from zero. Faults: truncation,
// a rectangle's width and height swapped, the scale ignored.
TEST(TwipsTest, RoundsToTheNearestPixel) {
  const Twips twips;
  EXPECT_EQ(twips.Px(22.5), 2);
  EXPECT_EQ(twips.Px(-22.5), -2);
  EXPECT_EQ(twips.Px(7), 0);
  EXPECT_EQ(twips.Rect(15, 30, 45, 67.5), QRect(1, 2, 3, 5));
  EXPECT_EQ(Twips(7.5).Px(22.5), 3);
}

}  // namespace
}  // namespace pellamar
