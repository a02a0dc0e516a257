#include "overlays/parallels.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_canvas.h"

namespace pellamar {
namespace {

using testing::RecordingCanvas;

constexpr double kTol = 0.05;
constexpr Colour kGreen = 0x008000;

// A picture 6000 x 3000 with its centre at (3000, 1500) and `twips_per_deg`
// twips per degree both ways.
MapState Map(double twips_per_deg) {
  MapState map;
  map.Pas_Inter = map.PasLong = static_cast<float>(twips_per_deg / 60.0);
  map.Xc = 3000;
  map.Yc = 1500;
  return map;
}

LinePools StartedPools() {
  LinePools pools = DesignedLinePools();
  InitLinePools(pools, {}, 6000);
  return pools;
}

// Catches a wrong latitude or name order, the print position not returned to
// the edge, the meridian or its caption misplaced, the Equator not solid.
TEST(ParallelsTest, TheParallelsAndTheMeridianStandAtTheirPlacesWithTheirNames) {
  const MapState map = Map(10);
  LinePools pools = StartedPools();
  RecordingCanvas picture(6000, 3000);
  DrawParallels(0, 20, kGreen, map, pools, picture);
  // y = 1500 − 10·φ.
  const double ys[5] = {834.5, 1265.5, 1500, 1734.5, 2165.5};
  const char* names[5] = {"Cercle polaire Arctique", "Tropique du Cancer", "Equateur",
                          "Tropique du Capricorne", "Cercle polaire Antarctique"};
  ASSERT_GE(picture.texts.size(), 7u);
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    EXPECT_NEAR(pools.P[k].Y1, ys[k], kTol);
    EXPECT_NEAR(pools.P[k].Y2, ys[k], kTol);
    EXPECT_EQ(pools.P[k].X1, 0);
    EXPECT_EQ(pools.P[k].X2, 6000);
    EXPECT_EQ(picture.texts[k].text, names[k]);
    // The first name 10 twips in, the others at the left edge.
    EXPECT_EQ(picture.texts[k].x, k == 0 ? 10 : 0);
    EXPECT_NEAR(picture.texts[k].y, ys[k], kTol);
    EXPECT_EQ(picture.texts[k].colour, kGreen);
  }
  // Greenwich, 20° west of the centre: x = 3000 − 200.
  EXPECT_NEAR(pools.P[5].X1, 2800, kTol);
  EXPECT_NEAR(pools.P[5].X2, 2800, kTol);
  EXPECT_EQ(pools.P[5].Y1, 500);
  EXPECT_EQ(pools.P[5].Y2, 3000);
  EXPECT_EQ(picture.texts[5].text, "Méridien de");
  EXPECT_NEAR(picture.texts[5].x, 2350, kTol);
  EXPECT_EQ(picture.texts[5].y, 20);
  EXPECT_EQ(picture.texts[6].text, "Greenwich");
  EXPECT_NEAR(picture.texts[6].x, 2400, kTol);
  EXPECT_EQ(picture.texts[6].y, 220);
  // Only the Equator turns solid.
  for (int k = 0; k <= 5; ++k) {
    EXPECT_EQ(pools.P[k].style, k == 2 ? LineStyle::Solid : LineStyle::Dotted) << k;
  }
}

// Catches E and W swapped, ticks mirrored, a tick not recoloured, Greenwich
// labelled twice.
TEST(ParallelsTest, TicksCrossTheEquatorEveryThirtyDegreesWithTheirLabels) {
  const MapState map = Map(10);
  LinePools pools = StartedPools();
  RecordingCanvas picture(6000, 3000);
  // Blue, not the pools' own green, so that a tick left uncoloured shows.
  constexpr Colour kBlue = 0x800000;
  DrawParallels(0, 0, kBlue, map, pools, picture);
  // After the 7 names, one label per tick except Greenwich's.
  ASSERT_EQ(picture.texts.size(), 7u + 12u);
  struct Tick {
    std::size_t k;
    double x;
    const char* label;  // nullptr: no label
  };
  const Tick ticks[] = {
      {6, 4800, "180° E"}, {7, 4500, "150° E"}, {11, 3300, "30° E"}, {12, 3000, nullptr},
      {13, 2700, "30° W"}, {17, 1500, "150° W"}, {18, 1200, "180° W"},
  };
  for (const Tick& t : ticks) {
    SCOPED_TRACE(t.k);
    const PoolLine& p = pools.P[t.k];
    EXPECT_NEAR(p.X1, t.x, kTol);
    EXPECT_NEAR(p.X2, t.x, kTol);
    EXPECT_EQ(p.Y1, 1400);
    EXPECT_EQ(p.Y2, 1600);
    EXPECT_EQ(p.style, LineStyle::Solid);
    EXPECT_EQ(p.visible, t.label != nullptr);
    if (t.label == nullptr) continue;
    EXPECT_EQ(p.colour, kBlue);
    bool found = false;
    for (const auto& text : picture.texts) {
      if (text.text != t.label) continue;
      found = true;
      EXPECT_NEAR(text.x, t.x - 300, kTol);
      EXPECT_EQ(text.y, 1200);
      EXPECT_EQ(text.colour, kBlue);
    }
    EXPECT_TRUE(found);
  }
}

// Catches < for <= at the map edges and a wrong tick length at the bottom.
TEST(ParallelsTest, TicksStandOnTheBottomEdgeWhenTheEquatorIsOffTheMap) {
  // 60 twips per degree: the Equator lies at y = 1500 + 60·LATCENTD.
  struct Case {
    float lat_centre;
    double y1, y2;
  };
  const Case cases[] = {
      {30, 2700, 3000},      // Equator below the map (y 3300)
      {25, 2700, 3000},      // exactly on the bottom edge
      {-25, 2700, 3000},     // exactly on the top edge
      {-24.99f, -99.4, 100.6},  // just inside: across it
      {24.99f, 2899.4, 3099.4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lat_centre);
    const MapState map = Map(60);
    LinePools pools = StartedPools();
    RecordingCanvas picture(6000, 3000);
    DrawParallels(c.lat_centre, 0, kGreen, map, pools, picture);
    for (std::size_t k = 6; k < 19; ++k) {
      EXPECT_NEAR(pools.P[k].Y1, c.y1, 0.1) << k;
      EXPECT_NEAR(pools.P[k].Y2, c.y2, 0.1) << k;
    }
    EXPECT_NEAR(picture.texts.back().y, c.y1 - 200, 0.1);
  }
}

// Catches the hidden colour drawn as a colour.
TEST(ParallelsTest, TheHiddenColourDrawsNothing) {
  const MapState map = Map(10);
  LinePools pools = StartedPools();
  pools.P[0].Y1 = pools.P[0].Y2 = 42;
  const LinePools before = pools;
  RecordingCanvas picture(6000, 3000);
  DrawParallels(0, 0, kHiddenColour, map, pools, picture);
  EXPECT_TRUE(picture.texts.empty());
  EXPECT_TRUE(picture.lines.empty());
  for (std::size_t k = 0; k < 19; ++k) {
    EXPECT_EQ(pools.P[k].Y1, before.P[k].Y1) << k;
    EXPECT_EQ(pools.P[k].X1, before.P[k].X1) << k;
    EXPECT_EQ(pools.P[k].visible, before.P[k].visible) << k;
    EXPECT_EQ(pools.P[k].style, before.P[k].style) << k;
  }
}

}  // namespace
}  // namespace pellamar
