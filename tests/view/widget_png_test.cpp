#include "map/view/widget_png.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace pellamar {
namespace {

// Each row its own colour (red, green and blue apart, so a swapped channel
// or a shifted row shows), with antialiased circles across the 256-row
// band edges.
class Stripes final : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (int y = 0; y < height(); ++y) p.fillRect(0, y, width(), 1, QColor(y % 256, (3 * y) % 256, 200 - y % 100));
    p.setRenderHint(QPainter::Antialiasing);
    for (int edge = 256; edge < height(); edge += 256) {
      for (int i = 0; i < 8; ++i) {
        const QPointF centre(20 + 30 * i, edge - 2.1 + 0.55 * i);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 5.3, 4.7);
        p.setPen(Qt::NoPen);  // a filled dot, as in a checked radio button
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(centre, 2.6, 2.4);
      }
    }
  }
};

// The written file holds, pixel for pixel, what grab() paints, whatever the
// band edges cross; a file that cannot be opened or written is reported.
TEST(WidgetPngTest, WritesWhatGrabPaints) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  // Checked radio buttons, whose antialiased dot changes by a grey level
  // or two when a clip edge cuts it: one for each place of the dot across
  // the band edge at row 256 (the group box is at the top of the window),
  // in a small font as in the panels.
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
  ASSERT_EQ(expected.height(), 700);

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("w.png");
  ASSERT_TRUE(WriteWidgetPng(window, path, 1));
  const QImage written = QImage(path).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(written.size(), expected.size());
  int differing = 0;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) differing += written.pixel(x, y) != expected.pixel(x, y);
  }
  EXPECT_EQ(differing, 0);

  EXPECT_FALSE(WriteWidgetPng(window, dir.filePath("missing-folder/w.png"), 1));
  if (QFile::exists("/dev/full")) EXPECT_FALSE(WriteWidgetPng(window, "/dev/full", 1));  // a full disk
}

}  // namespace
}  // namespace pellamar
