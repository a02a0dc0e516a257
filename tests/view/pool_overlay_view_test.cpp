#include <gtest/gtest.h>

#include <QPixmap>

#include "map/view/map_picture.h"
#include "overlays/view/pool_painter.h"
#include "shell/view/main_window.h"
#include "support/pixels.h"
#include "support/window_fixture.h"

namespace pellamar {
namespace {

// The line layer paints the map's picture and the pools straight onto the
// surface it is given. Whatever the surface (an image at an offset, a
// pixmap) and whatever the region, the pixels must be those of the map
// with the pools painted over it by PaintPools, and nothing outside the
// region may change.
class PoolOverlayTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // A land square from 60° W to 60° E, ±40°: black outline under the
    // mask-pen night lines, white sea elsewhere.
    WriteSquare(60, 40);
    clock_ = FixedClock{{2026, 6, 21}, 12 * 3600, 0};
  }
};

// Number of pixels of `a` (from row a_top) and `b` (from row b_top) that
// differ over `rows` rows, colours only.
int Differing(const QImage& a, int a_top, const QImage& b, int b_top, int rows) {
  int n = 0;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < a.width(); ++x) n += (a.pixel(x, a_top + y) & 0xFFFFFF) != (b.pixel(x, b_top + y) & 0xFFFFFF);
  }
  return n;
}

TEST_F(PoolOverlayTest, EverySurfaceAndRegionGetsTheMapWithThePoolsAndNothingElse) {
  MainWindow& window = Start(QSize(900, 600));
  auto* layer = window.Picture()->findChild<PoolOverlay*>(QStringLiteral("LinePools"));
  ASSERT_NE(layer, nullptr);
  const QImage& map = window.Picture()->Canvas().Image();
  ASSERT_EQ(map.devicePixelRatio(), 1.0);
  QImage expected = map.convertToFormat(QImage::Format_RGB32);
  PaintPools(expected, window.Pools(), window.Picture()->TwipsPerPixel(), expected.rect());
  const int w = expected.width(), h = expected.height();
  ASSERT_GT(Differing(expected, 0, map, 0, h), 1000);  // the pools are there to be seen

  // The whole layer onto an image, as a snapshot band at the top.
  QImage whole(w, h, QImage::Format_RGB32);
  layer->render(&whole);
  EXPECT_EQ(Differing(whole, 0, expected, 0, h), 0);

  // A band of rows 200 to 299 painted at the top of a smaller image: the
  // pools follow the offset.
  QImage band(w, 120, QImage::Format_ARGB32_Premultiplied);
  band.fill(Qt::transparent);
  layer->render(&band, QPoint(0, 0), QRegion(0, 200, w, 100));
  EXPECT_EQ(Differing(band, 0, expected, 200, 100), 0);

  // Two separate rectangles: the rows between them keep their blue.
  QImage parts(w, h, QImage::Format_RGB32);
  parts.fill(Qt::blue);
  layer->render(&parts, QPoint(0, 0), QRegion(0, 0, w, 150) + QRegion(0, 400, w, h - 400));
  EXPECT_EQ(Differing(parts, 0, expected, 0, 150), 0);
  EXPECT_EQ(Differing(parts, 400, expected, 400, h - 400), 0);
  EXPECT_EQ(testing::CountColour(parts.copy(0, 150, w, 250), qRgb(0, 0, 255)), w * 250);

  // A pixmap, as grab() gives.
  EXPECT_EQ(Differing(layer->grab().toImage(), 0, expected, 0, h), 0);
}

}  // namespace
}  // namespace pellamar
