#include "solar/sun_dials.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/recording_canvas.h"

namespace pellamar {
namespace {

using testing::RecordingCanvas;

constexpr double W = 1770;  // the dials' size in the window design
constexpr double kTol = 1e-6;

TEST(SunDialsFormat, HundredthsWithoutLeadingZero) {
  struct Case {
    double value;
    char sep;
    const char* text;
  };
  const Case cases[] = {
      {0.25, '.', ".25"},     {-0.25, '.', "-.25"},    {45.5, '.', "45.50"},
      {180.25, '.', "180.25"}, {45.5, ',', "45,50"},    {0, '.', ".00"},
      {359.996, '.', "360.00"}, {-30, '.', "-30.00"},  {-0.001, '.', "-.00"},
      {1.234, ',', "1,23"},    {NAN, '.', "---"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FormatHundredths(c.value, c.sep), c.text);
  }
}

TEST(SunDialsFormat, Captions) {
  EXPECT_EQ(HeightCaption(45.5, '.'), " He: 45.50 °");
  EXPECT_EQ(AzimuthCaption(180.25, '.'), " Azimut = 180.25 °");
  EXPECT_EQ(AzimuthCaption(180.25, ','), " Azimut = 180,25 °");
}

TEST(SunDials, AzimuthNeedlePointsToTheSun) {
  const double cx = W / 2, cy = W / 2 - 80, r = W / 3.5;
  struct Case {
    double az;
    double tip_x, tip_y;  // "N" up, "E" right, "O" left
  };
  for (const Case& c : {Case{0, cx, cy - r}, Case{90, cx + r, cy}, Case{270, cx - r, cy}}) {
    SCOPED_TRACE(c.az);
    RecordingCanvas pic(W, W);
    DrawAzimuthDial(pic, c.az);
    ASSERT_EQ(pic.lines.size(), 7u);  // 2 scale lines, shaft, 3 head, tail
    const auto& shaft = pic.lines[2];
    EXPECT_NEAR(shaft.x1, cx, kTol);
    EXPECT_NEAR(shaft.y1, cy, kTol);
    EXPECT_NEAR(shaft.x2, c.tip_x, kTol);
    EXPECT_NEAR(shaft.y2, c.tip_y, kTol);
    const auto& tail = pic.lines[6];
    EXPECT_NEAR(tail.x2, 2 * cx - c.tip_x, kTol);
    EXPECT_NEAR(tail.y2, 2 * cy - c.tip_y, kTol);
    for (int i = 2; i < 7; ++i) {
      EXPECT_EQ(pic.lines[i].colour, kAzimuthNeedleColour);
      EXPECT_EQ(pic.lines[i].width, 2);
    }
    EXPECT_EQ(pic.width, 1);
  }
}

TEST(SunDials, AzimuthScaleAndLetters) {
  RecordingCanvas pic(W, 1800);
  DrawAzimuthDial(pic, 123);
  EXPECT_EQ(pic.clears, 1);
  const double cx = W / 2, cy = W / 2 - 80;
  // Dotted cross.
  for (int i : {0, 1}) {
    EXPECT_EQ(pic.lines[i].style, LineStyle::Dotted);
    EXPECT_EQ(pic.lines[i].width, 1);
    EXPECT_EQ(pic.lines[i].colour, kDialScaleColour);
  }
  EXPECT_NEAR(pic.lines[0].x1, 350, kTol);
  EXPECT_NEAR(pic.lines[0].x2, W - 300, kTol);
  EXPECT_NEAR(pic.lines[1].y2, 1800 - 400, kTol);
  // Thirteen dashed marks on a circle of W/3, the first and last together.
  ASSERT_EQ(pic.circles.size(), 13u);
  for (const auto& m : pic.circles) {
    EXPECT_NEAR(std::hypot(m.cx - cx, m.cy - cy), W / 3, kTol);
    EXPECT_NEAR(m.r, W / 75, kTol);
    EXPECT_EQ(m.style, LineStyle::Dashed);
  }
  EXPECT_NEAR(pic.circles.front().cx, pic.circles.back().cx, kTol);
  EXPECT_NEAR(pic.circles.front().cy, pic.circles.back().cy, kTol);
  // The letters, by their top-left corners.
  ASSERT_EQ(pic.texts.size(), 4u);
  EXPECT_EQ(pic.texts[0].text + pic.texts[1].text + pic.texts[2].text + pic.texts[3].text, "NSOE");
  EXPECT_NEAR(pic.texts[0].x, cx - 50, kTol);
  EXPECT_NEAR(pic.texts[0].y, 0, kTol);
  EXPECT_NEAR(pic.texts[1].y, 1800 - 250, kTol);
  EXPECT_NEAR(pic.texts[2].x, 50, kTol);
  EXPECT_NEAR(pic.texts[3].x, W - 200, kTol);
  EXPECT_NEAR(pic.texts[3].y, cy - 100, kTol);
}

TEST(SunDials, HeightPivotScaleAndNeedle) {
  struct Case {
    double h;
    double pivot_y;
    std::size_t marks;
    double tip_dx, tip_dy;  // from the pivot, in units of W/1.7
  };
  const double s30 = std::sqrt(3.0) / 2;
  const Case cases[] = {
      {0.01, W - 200, 7, -1, 0},   // just up: bottom-right pivot, almost along the horizon
      {0, 200, 0, -1, 0},          // on the horizon: top-right pivot, no scale
      {-30, 200, 0, -s30, 0.5},    // down and to the left at 30°
      {90, W - 200, 7, 0, -1},     // straight up
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.h);
    RecordingCanvas pic(W, W);
    DrawHeightDial(pic, c.h);
    const double cx = W - 200;
    ASSERT_EQ(pic.circles.size(), c.marks);
    for (const auto& m : pic.circles) {
      EXPECT_NEAR(std::hypot(m.cx - cx, m.cy - c.pivot_y), W / 1.5, kTol);
      EXPECT_NEAR(m.r, 30, kTol);
      EXPECT_EQ(m.colour, kDialScaleColour);
    }
    if (c.marks) {
      EXPECT_NEAR(pic.circles.front().cx, cx, kTol);  // zenith above the pivot
      EXPECT_NEAR(pic.circles.back().cy, c.pivot_y, kTol);  // horizon left of it
    }
    ASSERT_EQ(pic.lines.size(), 6u);  // horizon, vertical, shaft, 3 head
    EXPECT_NEAR(pic.lines[0].x1, 500, kTol);
    EXPECT_NEAR(pic.lines[0].y1, c.pivot_y, kTol);
    EXPECT_EQ(pic.lines[0].style, LineStyle::Dotted);
    EXPECT_NEAR(pic.lines[1].y1, 400, kTol);
    const auto& shaft = pic.lines[2];
    EXPECT_EQ(shaft.style, LineStyle::Solid);
    EXPECT_EQ(shaft.width, 2);
    EXPECT_EQ(shaft.colour, kHeightNeedleColour);
    EXPECT_NEAR(shaft.x1, cx, kTol);
    EXPECT_NEAR(shaft.y1, c.pivot_y, kTol);
    const double tol = c.h == 0.01 ? 0.5 : kTol;
    EXPECT_NEAR(shaft.x2, cx + c.tip_dx * W / 1.7, tol);
    EXPECT_NEAR(shaft.y2, c.pivot_y + c.tip_dy * W / 1.7, tol);
    EXPECT_EQ(pic.width, 1);
  }
}

TEST(SunDials, PosSoleilAtThePolesDrawsNoNaN) {
  SunEphemeris sun;
  sun.Delta = 23.438;
  sun.GHA = 100;
  struct Case {
    double FPo;
    const char* az;
  };
  for (const Case& c : {Case{90, " Azimut = 180.00 °"}, Case{-90, " Azimut = .00 °"}}) {
    SCOPED_TRACE(c.FPo);
    RecordingCanvas az(W, W), he(W, W);
    const SunDialCaptions captions = PosSoleil(sun, c.FPo, 0, az, he, '.');
    EXPECT_EQ(captions.Label35, c.az);
    for (const RecordingCanvas* pic : {&az, &he}) {
      for (const auto& l : pic->lines) {
        EXPECT_TRUE(std::isfinite(l.x1 + l.y1 + l.x2 + l.y2));
      }
    }
  }
}

}  // namespace
}  // namespace pellamar
