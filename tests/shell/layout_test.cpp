#include "shell/layout.h"

#include <gtest/gtest.h>

#include "map/rebuild.h"

namespace pellamar {
namespace {

TEST(LayoutTest, TopRowOnAScreen15360TwipsWide) {
  const MainLayout l = ComputeLayout(15360, 11520);
  EXPECT_EQ(l.fra_cherche.left, 0);
  EXPECT_EQ(l.fra_cherche.right(), 2940);
  EXPECT_EQ(l.fra_config.left, 3225);
  EXPECT_EQ(l.fra_config.right(), 7860);
  EXPECT_EQ(l.fra_sol.left, 7860);
  EXPECT_EQ(l.fra_sol.right(), 15360);
  for (const TwipRect& r : {l.fra_cherche, l.fra_config, l.fra_sol}) {
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.height, 1635);
  }
}

TEST(LayoutTest, MapAndFloatingPanels) {
  // A window of 15360 × 11520 twips, worked by hand: the map is 15360 - 200
  // wide and 11520 - 1635 - 1000 = 8885 high, below the top row.
  const MainLayout l = ComputeLayout(15360, 11520);
  const struct { const char* what; TwipRect rect, want; } cases[] = {
      {"Picture1", l.picture1, {50, 1635, 15160, 8885}},
      {"Frame2", l.frame2, {10, 10, 3045, 8785}},
      {"Frame3 centred", l.frame3, {7580 - 1635, 4442.5 - 772.5, 3270, 1545}},
      {"Frame4", l.frame4, {0, -60, 4815, 6225}},
      {"Frame8 at the bottom left", l.frame8, {0, 8885 - 2055, 3690, 2055}},
      {"Picture2", l.picture2, {0, 0, 3660, 500}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.rect.left, c.want.left);
    EXPECT_EQ(c.rect.top, c.want.top);
    EXPECT_EQ(c.rect.width, c.want.width);
    EXPECT_EQ(c.rect.height, c.want.height);
  }
  EXPECT_EQ(l.command3_top, 8785 - 500);
  EXPECT_EQ(l.list3_height, 8785 - 1300);
}

TEST(LayoutTest, ANarrowScreenPutsTheConfigurationPanelAtLeft10) {
  // Narrower than FraSol + FraConfig + 10: FraConfig overlaps FraSol.
  const MainLayout l = ComputeLayout(7500 + 4635 + 5, 9000);
  EXPECT_EQ(l.fra_config.left, 10);
  EXPECT_GT(l.fra_config.right(), l.fra_sol.left);
  EXPECT_EQ(ComputeLayout(7500 + 4635 + 10, 9000).fra_config.left, 10);
  EXPECT_EQ(ComputeLayout(7500 + 4635 + 11, 9000).fra_config.left, 11);
}

TEST(LayoutTest, ProgressShapesAre30TwipsApart) {
  const auto lefts = ProgressShapeLefts(60, 135);
  EXPECT_EQ(lefts[0], 60);
  EXPECT_EQ(lefts[1], 60 + 165);
  EXPECT_EQ(lefts[8], 60 + 8 * 165);
}

}  // namespace
}  // namespace pellamar
