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
  const MainLayout l = ComputeLayout(15360, 11520);
  EXPECT_EQ(l.picture1.left, 50);
  EXPECT_EQ(l.picture1.top, 1635);
  EXPECT_EQ(l.picture1.width, 15160);
  EXPECT_EQ(l.picture1.height, 11520 - 1635 - 1000);
  EXPECT_EQ(l.frame2.height, l.picture1.height - 100);
  EXPECT_EQ(l.command3_top, l.frame2.height - 500);
  EXPECT_EQ(l.list3_height, l.frame2.height - 1300);
  EXPECT_EQ(l.frame8.left, 0);
  EXPECT_EQ(l.frame8.bottom(), l.picture1.height);  // bottom of the map
  EXPECT_EQ(l.frame3.left + l.frame3.width / 2, l.picture1.width / 2);  // centred
  EXPECT_EQ(l.frame3.top + l.frame3.height / 2, l.picture1.height / 2);
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
