#include "solar/sun_dials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/recording_canvas.h"

namespace pellamar {
namespace {

using testing::RecordingCanvas;

constexpr double W = 1770;  // the dials' size in the window design
constexpr double kTol = 1e-6;

void ExpectAt(double x, double y, double want_x, double want_y, double tol = kTol) {
  EXPECT_NEAR(x, want_x, tol);
  EXPECT_NEAR(y, want_y, tol);
}

TEST(SunDialsFormat, HundredthsWithoutLeadingZero) {
  struct Case { double value; char sep; const char* text; };
  const Case cases[] = {
      {0.25, '.', ".25"},       {-0.25, '.', "-.25"},  {45.5, ',', "45,50"},
      {359.996, '.', "360.00"}, {-0.001, '.', "-.00"}, {NAN, '.', "---"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FormatHundredths(c.value, c.sep), c.text);
  }
  EXPECT_EQ(HeightCaption(45.5, '.'), " He: 45.50 °");
  EXPECT_EQ(AzimuthCaption(180.25, '.'), " Azimut = 180.25 °");
}

TEST(SunDials, AzimuthScaleLettersAndNeedle) {
  const double cx = W / 2, cy = W / 2 - 80, r = W / 3.5;
  struct Case { double az, tip_x, tip_y; };  // "N" up, "E" right, "O" left
  for (const Case& c : {Case{0, cx, cy - r}, Case{90, cx + r, cy}, Case{270, cx - r, cy}}) {
    SCOPED_TRACE(c.az);
    RecordingCanvas pic(W, W);
    DrawAzimuthDial(pic, c.az);
    EXPECT_EQ(pic.clears, 1);
    ASSERT_EQ(pic.lines.size(), 7u);  // a grey dotted cross, then shaft, 3 head, tail
    for (int i = 0; i < 7; ++i) {
      EXPECT_EQ(pic.lines[i].width, i < 2 ? 1 : 2) << i;
      EXPECT_EQ(pic.lines[i].colour, i < 2 ? kDialScaleColour : kAzimuthNeedleColour) << i;
    }
    EXPECT_TRUE(pic.lines[0].style == LineStyle::Dotted && pic.lines[1].style == LineStyle::Dotted);
    ExpectAt(pic.lines[2].x1, pic.lines[2].y1, cx, cy);
    ExpectAt(pic.lines[2].x2, pic.lines[2].y2, c.tip_x, c.tip_y);
    ExpectAt(pic.lines[6].x2, pic.lines[6].y2, 2 * cx - c.tip_x, 2 * cy - c.tip_y);
    // Thirteen marks on a circle of W/3, the first and last together.
    ASSERT_EQ(pic.circles.size(), 13u);
    for (const auto& m : pic.circles) EXPECT_NEAR(std::hypot(m.cx - cx, m.cy - cy), W / 3, kTol);
    ExpectAt(pic.circles[0].cx, pic.circles[0].cy, pic.circles[12].cx, pic.circles[12].cy);
    // Each letter at its point of the compass, top-left corner given.
    const struct { const char* text; double x, y; } letters[] = {
        {"N", cx - 50, 0}, {"S", cx - 50, W - 250}, {"O", 50, cy - 100}, {"E", W - 200, cy - 100}};
    ASSERT_EQ(pic.texts.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(pic.texts[i].text, letters[i].text);
      ExpectAt(pic.texts[i].x, pic.texts[i].y, letters[i].x, letters[i].y);
    }
  }
}

TEST(SunDials, HeightPivotScaleAndNeedle) {
  // The needle's tip from the pivot, in units of W/1.7.
  struct Case { double h, pivot_y; std::size_t marks; double tip_dx, tip_dy; };
  const Case cases[] = {
      {0.01, W - 200, 7, -1, 0},  // just up: bottom-right pivot, almost along the horizon
      {0, 200, 0, -1, 0},         // on the horizon: top-right pivot, no scale
      {-30, 200, 0, -std::sqrt(3.0) / 2, 0.5},  // down and to the left at 30°
      {90, W - 200, 7, 0, -1},    // straight up
  };
  const double cx = W - 200;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.h);
    RecordingCanvas pic(W, W);
    DrawHeightDial(pic, c.h);
    // Grey marks from the zenith above the pivot to the horizon left of it.
    ASSERT_EQ(pic.circles.size(), c.marks);
    for (const auto& m : pic.circles) {
      EXPECT_NEAR(std::hypot(m.cx - cx, m.cy - c.pivot_y), W / 1.5, kTol);
      EXPECT_TRUE(m.r == 30 && m.colour == kDialScaleColour);
    }
    if (c.marks) ExpectAt(pic.circles.front().cx, pic.circles.back().cy, cx, c.pivot_y);
    ASSERT_EQ(pic.lines.size(), 6u);  // dotted horizon, vertical, shaft, 3 head
    EXPECT_EQ(pic.lines[0].style, LineStyle::Dotted);
    EXPECT_NEAR(pic.lines[0].y1, c.pivot_y, kTol);
    const auto& shaft = pic.lines[2];
    EXPECT_TRUE(shaft.style == LineStyle::Solid && shaft.width == 2 &&
                shaft.colour == kHeightNeedleColour);
    ExpectAt(shaft.x1, shaft.y1, cx, c.pivot_y);
    ExpectAt(shaft.x2, shaft.y2, cx + c.tip_dx * W / 1.7, c.pivot_y + c.tip_dy * W / 1.7,
             c.h == 0.01 ? 0.5 : kTol);
  }
}

TEST(SunDials, PosSoleilAtThePolesDrawsNoNaN) {
  // At a pole the height is the declination, whatever the hour.
  const struct { double lat; const char *az, *he; } cases[] = {
      {90, " Azimut = 180.00 °", " He: 23.44 °"}, {-90, " Azimut = .00 °", " He: -23.44 °"}};
  for (const auto& [lat, az, he] : cases) {
    SCOPED_TRACE(lat);
    RecordingCanvas pic_az(W, W), pic_he(W, W);
    const SunDialCaptions captions =
        PosSoleil({.Delta = 23.438, .GHA = 100}, lat, 0, pic_az, pic_he, '.');
    EXPECT_EQ(captions.Label35, az);
    EXPECT_EQ(captions.Label36, he);
    for (const auto& l : pic_az.lines) EXPECT_TRUE(std::isfinite(l.x1 + l.y1 + l.x2 + l.y2));
    for (const auto& l : pic_he.lines) EXPECT_TRUE(std::isfinite(l.x1 + l.y1 + l.x2 + l.y2));
  }
}

}  // namespace
}  // namespace pellamar
