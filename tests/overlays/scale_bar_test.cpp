#include "overlays/scale_bar.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace pellamar {
namespace {

using testing::RecordingCanvas;

constexpr Colour kRed = 0x0000FF, kBlue = 0xFF0000, kDarkGreen = 0x004000;

// Catches a wrong kilometres-per-minute constant.
TEST(ScaleBarTest, TheWholeWorldGetsAThousandKilometreBarWithoutTenths) {
  // The whole height of the world (10,800 minutes) in 6000 twips:
  // Pas_Inter = 0.5556, U = 0.5556 / 1.852 · 100 = 30.0 twips per 100 km.
  const ScaleBar bar = ComputeScaleBar(6000.0f / 10800.0f);
  EXPECT_NEAR(bar.U, 30.0, 0.01);
  EXPECT_EQ(bar.S, 10);
  EXPECT_NEAR(bar.Lb, 300.0, 0.1);
  EXPECT_NEAR(bar.width, 1300.0, 0.1);
  EXPECT_FALSE(bar.tenths);
  EXPECT_EQ(ScaleBarLabel(bar), "1000 km");
  // 1.852 twips a minute: 100 twips per 100 km.
  EXPECT_NEAR(ComputeScaleBar(1.852f).U, 100.0, 1e-4);
}

// Catches < for <= at each threshold of the factor and of the tenths.
TEST(ScaleBarTest, TheFactorFollowsTheLengthOfOneHundredKilometres) {
  struct Case {
    double U;
    double S;
    const char* label;
    bool tenths;
  };
  const Case cases[] = {
      {0, 10, "1000 km", false},          {599.9, 10, "1000 km", true},
      {600, 1, "100 km", false},          {2000, 1, "100 km", false},
      {2000.5, 1, "100 km", true},        {15000, 1, "100 km", true},
      {15000.5, 0.1, "10 km", false},     {200000, 0.1, "10 km", true},
      {200000.5, 0.01, "1 km", true},    {250000, 0.01, "1 km", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.U);
    const ScaleBar bar = ScaleBarFor(c.U);
    EXPECT_EQ(bar.S, c.S);
    EXPECT_DOUBLE_EQ(bar.Lb, c.U * c.S);
    EXPECT_DOUBLE_EQ(bar.width, c.U * c.S + 1000);
    EXPECT_EQ(ScaleBarLabel(bar), c.label);
    EXPECT_EQ(bar.tenths, c.tenths);
  }
}

// Catches a dropped guard on a zero, negative or NaN scale.
TEST(ScaleBarTest, NoMapYetGivesABarOfLengthZero) {
  for (const float scale : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()}) {
    const ScaleBar bar = ComputeScaleBar(scale);
    EXPECT_EQ(bar.U, 0);
    EXPECT_EQ(bar.Lb, 0);
    EXPECT_EQ(ScaleBarLabel(bar), "1000 km");
  }
}

// Catches the old bar not cleared, a tenth missing, a tick in the wrong
// colour, the label misplaced.
TEST(ScaleBarTest, TheDrawingHasEndTicksTenthsMiddleTickBarAndLabel) {
  RecordingCanvas picture(5000, 500);
  picture.Line(0, 0, 1, 1, 0);  // an older bar
  DrawScaleBar(ScaleBarFor(3000), picture);  // S = 1, Lb = 3000
  EXPECT_EQ(picture.clears, 1);
  ASSERT_EQ(picture.lines.size(), 2u + 9u + 1u + 1u);
  const auto& l = picture.lines;
  auto expect_line = [](const struct RecordingCanvas::Line& line, double x1, double y1, double x2, double y2,
                        Colour colour) {
    EXPECT_DOUBLE_EQ(line.x1, x1);
    EXPECT_DOUBLE_EQ(line.y1, y1);
    EXPECT_DOUBLE_EQ(line.x2, x2);
    EXPECT_DOUBLE_EQ(line.y2, y2);
    EXPECT_EQ(line.colour, colour);
  };
  expect_line(l[0], 100, 50, 100, 150, kRed);
  expect_line(l[1], 3100, 50, 3100, 150, kRed);
  for (int j = 1; j <= 9; ++j) {
    SCOPED_TRACE(j);
    expect_line(l[1 + j], 100 + j * 300, 50, 100 + j * 300, 100, kBlue);
  }
  expect_line(l[11], 1600, 50, 1600, 100, kDarkGreen);
  expect_line(l[12], 100, 100, 3100, 100, kRed);
  ASSERT_EQ(picture.texts.size(), 1u);
  EXPECT_EQ(picture.texts[0].text, "100 km");
  EXPECT_EQ(picture.texts[0].x, 3300);
  EXPECT_EQ(picture.texts[0].y, 100);
  EXPECT_EQ(picture.texts[0].colour, 0u);

  // A short bar: no tenths, the middle tick alone.
  RecordingCanvas small(2000, 500);
  DrawScaleBar(ScaleBarFor(30), small);
  ASSERT_EQ(small.lines.size(), 4u);
  expect_line(small.lines[2], 250, 50, 250, 100, kDarkGreen);
  EXPECT_EQ(small.texts[0].text, "1000 km");
  EXPECT_EQ(small.texts[0].x, 600);
}

}  // namespace
}  // namespace pellamar
