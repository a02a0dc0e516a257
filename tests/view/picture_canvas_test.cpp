#include "map/view/picture_canvas.h"

#include <gtest/gtest.h>

namespace pellamar {
namespace {

// 100 x 50 pixels at 96 DPI: 15 twips a pixel.
PictureCanvas Canvas100x50() {
  PictureCanvas canvas;
  canvas.Resize(100, 50, 1.0, 96);
  return canvas;
}

QRgb At(PictureCanvas& c, int x, int y) { return c.Image().pixel(x, y) & 0xFFFFFF; }

TEST(PictureCanvasTest, SizeAndColoursConvertOnce) {
  PictureCanvas c = Canvas100x50();
  EXPECT_DOUBLE_EQ(c.WidthTwips(), 1500);
  EXPECT_DOUBLE_EQ(c.HeightTwips(), 750);
  // 0x00BBGGRR: red in the low byte.
  c.Line(0, 150, 1485, 150, Rgb(255, 0, 0));
  for (int x = 0; x < 100; x += 9) EXPECT_EQ(At(c, x, 10), 0xFF0000u) << x;
  EXPECT_EQ(At(c, 50, 11), 0xFFFFFFu);
}

TEST(PictureCanvasTest, LinesAreClippedAndUnusableOnesSkipped) {
  PictureCanvas c = Canvas100x50();
  // From far off the left to far off the right, through row 20.
  c.Line(-1e7, 300, 1e7, 300, 0x00FF00);
  EXPECT_EQ(At(c, 0, 20), 0x00FF00u);
  EXPECT_EQ(At(c, 99, 20), 0x00FF00u);
  // Wholly outside, or not finite: nothing drawn, nothing crashes.
  c.Line(-3000, -3000, -1500, -10, 0x0000FF);
  c.Line(std::nan(""), 0, 10, 10, 0x0000FF);
  c.Line(0, 0, INFINITY, 10, 0x0000FF);
  EXPECT_EQ(At(c, 0, 0), 0xFFFFFFu);
}

TEST(PictureCanvasTest, StyledLinesAndClearing) {
  PictureCanvas c = Canvas100x50();
  c.SetLineWidth(2);
  c.Line(0, 450, 1485, 450, 0);
  EXPECT_EQ(At(c, 50, 30), 0u);
  c.Clear();
  EXPECT_EQ(At(c, 50, 30), 0xFFFFFFu);
}

}  // namespace
}  // namespace pellamar
