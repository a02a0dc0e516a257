#include "map/view/widget_png.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace pellamar {
namespace {

// Each row its own colour, red, green and blue apart, so that a swapped
// channel or a shifted row shows.
class Stripes final : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (int y = 0; y < height(); ++y) p.fillRect(0, y, width(), 1, QColor(y % 256, (3 * y) % 256, 200 - y % 100));
  }
};

// The file holds, pixel for pixel, what grab() paints, whatever the band
// edges cross; a file that cannot be opened or written is reported.
// Faults: bands joined without their overlap (antialiased dots cut by the
// band's clip come out a grey level apart); rows shifted; channels swapped;
// a failed write reported as success.
TEST(WidgetPngTest, WritesWhatGrabPaints) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  // Checked radio buttons in a small font, one for each place of the dot
  // across the band edge at row 256.
  auto* radios = new QGroupBox;
  radios->setMinimumHeight(300);
  QFont small = radios->font();
  small.setPointSizeF(8);
  radios->setFont(small);
  for (int i = 0; i < 16; ++i) {
    auto* radio = new QRadioButton("Contours", radios);
    radio->setAutoExclusive(false);
    radio->setChecked(true);
    radio->setGeometry(20 * i, 228 + i, 80, 18);
  }
  layout->addWidget(radios);
  auto* stripes = new Stripes;
  stripes->setMinimumHeight(300);
  layout->addWidget(stripes);
  layout->addWidget(new QCheckBox("Rafraîchissement"));
  window.resize(333, 700);  // not a whole number of bands
  window.show();
  const QImage expected = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QTemporaryDir dir;
  const QString path = dir.filePath("w.png");
  ASSERT_TRUE(WriteWidgetPng(window, path, 1));
  EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), expected);
  EXPECT_FALSE(WriteWidgetPng(window, dir.filePath("missing-folder/w.png"), 1));
  // A full disk, for a file larger than the C library's buffer and for one
  // that fits in it (the error shows only when the file is flushed).
  QWidget tiny;
  tiny.resize(2, 2);
  if (QFile::exists("/dev/full")) {
    EXPECT_FALSE(WriteWidgetPng(window, "/dev/full", 1));
    EXPECT_FALSE(WriteWidgetPng(tiny, "/dev/full", 1));
  }
}

}  // namespace
}  // namespace pellamar
