#include <gtest/gtest.h>

#include <QPixmap>
#include <QTemporaryDir>
#include <fstream>

#include "map/view/map_picture.h"
#include "overlays/view/pool_painter.h"
#include "platform/memory_settings_store.h"
#include "shell/view/main_window.h"
#include "support/recording_notice.h"

namespace pellamar {
namespace {

// The line layer paints the map's picture and the pools straight onto the
// surface it is given. Whatever the surface (an image at an offset, a
// pixmap) and whatever the region, the pixels must be those of the map
// with the pools painted over it by PaintPools, and nothing outside the
// region may change.
class PoolOverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    // A land square from 60° W to 60° E, ±40°: black outline under the
    // mask-pen night lines, white sea elsewhere.
    std::ofstream out(folder_.filePath("totale.Asc").toStdString(), std::ios::binary);
    const double pts[][2] = {{-60, -40}, {60, -40}, {60, 40}, {-60, 40}, {-60, -40}};
    for (const auto& p : pts) {
      out << (p[0] + 180) / 360 << ' ' << (p[1] + 90) / (180 * 1.4142135623730951) << "\r\n";
    }
  }
  MainWindowServices Services() { return {&clock_, &settings_, &notice_, folder_.path(), false}; }

  QTemporaryDir folder_;
  FixedClock clock_{{2026, 6, 21}, 12 * 3600, 0};
  MemorySettingsStore settings_;
  testing::RecordingNotice notice_;
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
  MainWindow window(Services());
  window.StartUp(QSize(900, 600));
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
  int blue = 0;
  for (int y = 150; y < 400; ++y) {
    for (int x = 0; x < w; ++x) blue += parts.pixel(x, y) == qRgb(0, 0, 255);
  }
  EXPECT_EQ(blue, w * 250);

  // A pixmap, as grab() gives.
  EXPECT_EQ(Differing(layer->grab().toImage(), 0, expected, 0, h), 0);
}

}  // namespace
}  // namespace pellamar
