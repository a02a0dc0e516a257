#include "map/view/picture_canvas.h"

#include <gtest/gtest.h>

namespace pellamar {
namespace {

QRgb At(PictureCanvas& c, int x, int y) { return c.Image().pixel(x, y) & 0xFFFFFF; }

// Faults: twips per pixel not from the DPI; red and blue swapped; a line
// with both ends off the picture dropped; a line with an end not finite
// drawn; a pixel set past the right edge; a wide pen drawn thin; Clear not
// repainting the background, or in the wrong colour.
TEST(PictureCanvasTest, LinesAreConvertedClippedAndCleared) {
  PictureCanvas c;
  c.Resize(100, 50, 1.0, 96);  // 15 twips a pixel
  EXPECT_DOUBLE_EQ(c.WidthTwips(), 1500);
  EXPECT_DOUBLE_EQ(c.HeightTwips(), 750);
  c.Line(0, 150, 1485, 150, Rgb(255, 0, 0));
  for (int x = 0; x < 100; x += 9) EXPECT_EQ(At(c, x, 10), 0xFF0000u) << x;
  EXPECT_EQ(At(c, 50, 11), 0xFFFFFFu);
  c.Line(-1e7, 300, 1e7, 300, 0x00FF00);
  EXPECT_EQ(At(c, 0, 20), 0x00FF00u);
  EXPECT_EQ(At(c, 99, 20), 0x00FF00u);
  EXPECT_EQ(At(c, 0, 21), 0xFFFFFFu);  // nothing past the right edge, on the next row
  c.Line(-3000, -3000, -1500, -10, 0x0000FF);
  c.Line(std::nan(""), 0, 10, 10, 0x0000FF);
  c.Line(0, 0, INFINITY, 10, 0x0000FF);
  EXPECT_EQ(At(c, 0, 0), 0xFFFFFFu);
  c.SetLineWidth(2);
  c.Line(0, 450, 1485, 450, 0);
  c.SetLineWidth(1);  // the wide line is drawn wide all the same
  EXPECT_EQ(At(c, 50, 29) + At(c, 50, 31), 0xFFFFFFu);  // one of the rows beside
  EXPECT_EQ(At(c, 50, 30), 0u);
  c.SetBackground(Rgb(255, 0, 0));
  c.Clear();
  EXPECT_EQ(At(c, 50, 30), 0xFF0000u);
}

}  // namespace
}  // namespace pellamar
