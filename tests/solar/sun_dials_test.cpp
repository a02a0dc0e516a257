#include "solar/sun_dials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "support/recording_canvas.h"

namespace pellamar {
namespace {

using testing::RecordingCanvas;

constexpr double W = 1770;  // the dials' size in the window design
constexpr double kTol = 1e-6;

// Faults: a leading zero kept, the minus lost when rounding to zero, the
// user's separator ignored, a caption's words.
TEST(SunDialsFormat, HundredthsWithoutLeadingZero) {
  const struct { double value; char sep; const char* text; } cases[] = {
      {0.25, '.', ".25"},       {-0.25, '.', "-.25"},  {45.5, ',', "45,50"},
      {359.996, '.', "360.00"}, {-0.001, '.', "-.00"}, {NAN, '.', "---"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FormatHundredths(c.value, c.sep), c.text);
  }
  EXPECT_EQ(HeightCaption(45.5, '.'), " He: 45.50 °");
  EXPECT_EQ(AzimuthCaption(180.25, '.'), " Azimut = 180.25 °");
}

// North up, east right. Faults: the needle turned the wrong way, its tail
// missing, the scale's radius, a letter at the wrong point, the width not
// put back to 1.
TEST(SunDials, AzimuthScaleLettersAndNeedle) {
  const double cx = W / 2, cy = W / 2 - 80, r = W / 3.5;
  for (const auto& [az, tip_x, tip_y] : {std::tuple{0.0, cx, cy - r}, {90.0, cx + r, cy}, {270.0, cx - r, cy}}) {
    SCOPED_TRACE(az);
    RecordingCanvas pic(W, W);
    DrawAzimuthDial(pic, az);
    ASSERT_EQ(pic.lines.size(), 7u);  // a dotted cross, then shaft, 3 head, tail
    EXPECT_TRUE(pic.lines[0].style == LineStyle::Dotted && pic.lines[1].colour == kDialScaleColour);
    EXPECT_TRUE(pic.lines[2].width == 2 && pic.lines[6].colour == kAzimuthNeedleColour);
    EXPECT_NEAR(pic.lines[2].x2, tip_x, kTol);
    EXPECT_NEAR(pic.lines[2].y2, tip_y, kTol);
    EXPECT_NEAR(pic.lines[6].x2, 2 * cx - tip_x, kTol);
    EXPECT_NEAR(pic.lines[6].y2, 2 * cy - tip_y, kTol);
    ASSERT_EQ(pic.circles.size(), 13u);
    for (const auto& m : pic.circles) EXPECT_NEAR(std::hypot(m.cx - cx, m.cy - cy), W / 3, kTol);
    std::vector<std::tuple<std::string, double, double>> letters;
    for (const auto& t : pic.texts) letters.emplace_back(t.text, t.x, t.y);
    EXPECT_EQ(letters, (decltype(letters){{"N", 835, 0}, {"S", 835, 1520}, {"O", 50, 705}, {"E", 1570, 705}}));
    EXPECT_EQ(pic.width, 1);
  }
}

// The needle's tip from the pivot, in units of W/1.7. Faults: the pivot
// moved at h = 0, the scale drawn below the horizon, the needle mirrored.
TEST(SunDials, HeightPivotScaleAndNeedle) {
  const struct { double h, pivot_y; std::size_t marks; double tip_dx, tip_dy; } cases[] = {
      {0.01, W - 200, 7, -1, 0},
      {0, 200, 0, -1, 0},
      {-30, 200, 0, -std::sqrt(3.0) / 2, 0.5},
      {90, W - 200, 7, 0, -1},
  };
  const double cx = W - 200;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.h);
    RecordingCanvas pic(W, W);
    DrawHeightDial(pic, c.h);
    ASSERT_EQ(pic.circles.size(), c.marks);
    for (const auto& m : pic.circles) EXPECT_NEAR(std::hypot(m.cx - cx, m.cy - c.pivot_y), W / 1.5, kTol);
    ASSERT_EQ(pic.lines.size(), 6u);  // dotted horizon, vertical, shaft, 3 head
    const auto& shaft = pic.lines[2];
    EXPECT_TRUE(shaft.width == 2 && shaft.colour == kHeightNeedleColour);
    EXPECT_NEAR(shaft.y1, c.pivot_y, kTol);
    EXPECT_NEAR(shaft.x2, cx + c.tip_dx * W / 1.7, 0.5);
    EXPECT_NEAR(shaft.y2, c.pivot_y + c.tip_dy * W / 1.7, 0.5);
  }
}

}  // namespace
}  // namespace pellamar
