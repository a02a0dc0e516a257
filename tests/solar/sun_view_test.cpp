// The Sun dials panel and the Sun image, offscreen through the real widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>

#include "solar/view/dial_picture.h"
#include "solar/view/sun_dials_panel.h"
#include "solar/view/sun_marker_widget.h"

namespace pellamar {
namespace {

SunInstant JuneAfternoon() {
  SunInstant i;
  i.D = 21;
  i.M = 6;
  i.Y = 2007;
  i.t = 15.5 / 24;
  return i;
}

void Send(QWidget& target, QEvent::Type type, QPointF pos, Qt::MouseButton button) {
  QMouseEvent event(type, pos, target.mapToGlobal(pos), button,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
  QApplication::sendEvent(&target, &event);
}

TEST(SunDialsPanelView, UpdatesOnlyWhileShown) {
  SunDialsPanel panel;
  panel.setLocale(QLocale(QLocale::French, QLocale::France));
  panel.hide();
  panel.UpdateFrom(48.85, -2.35, JuneAfternoon());
  EXPECT_EQ(panel.Label35().text(), "Azimut");
  EXPECT_EQ(panel.Label36().text(), "Hauteur");

  panel.show();
  panel.UpdateFrom(48.85, -2.35, JuneAfternoon());
  EXPECT_TRUE(panel.Label35().text().startsWith(" Azimut = ")) << panel.Label35().text().toStdString();
  EXPECT_TRUE(panel.Label36().text().startsWith(" He: "));
  EXPECT_TRUE(panel.Label36().text().contains(','));  // the user's decimal separator
  EXPECT_TRUE(panel.Label36().text().endsWith(" °"));
}

TEST(SunDialsPanelView, ClickOnEitherDialClosesThePanel) {
  for (const char* dial : {"PicAZ", "PicHE"}) {
    SCOPED_TRACE(dial);
    SunDialsPanel panel;
    panel.show();
    int closed = 0;
    QObject::connect(&panel, &SunDialsPanel::closedByClick, [&closed] { ++closed; });
    auto* picture = panel.findChild<DialPicture*>(dial);
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->toolTip().isEmpty());
    Send(*picture, QEvent::MouseButtonRelease, QPointF(5, 5), Qt::RightButton);
    EXPECT_EQ(closed, 0);
    Send(*picture, QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton);
    Send(*picture, QEvent::MouseButtonRelease, QPointF(5, 5), Qt::LeftButton);
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(panel.isHidden());
  }
}

TEST(SunMarkerView, ReportsClicksAndPointerOffsetInTwips) {
  SunMarker marker;
  marker.show();
  const double twips_per_px = 1440.0 / marker.logicalDpiX();
  EXPECT_NEAR(marker.SizeTwips().width(), marker.width() * twips_per_px, 1e-9);
  QPointF offset(-1, -1);
  int clicks = 0;
  QObject::connect(&marker, &SunMarker::pointerMoved, [&offset](QPointF p) { offset = p; });
  QObject::connect(&marker, &SunMarker::clicked, [&clicks] { ++clicks; });
  Send(marker, QEvent::MouseMove, QPointF(10, 4), Qt::NoButton);
  EXPECT_NEAR(offset.x(), 10 * twips_per_px, 1e-9);
  EXPECT_NEAR(offset.y(), 4 * twips_per_px, 1e-9);
  Send(marker, QEvent::MouseButtonPress, QPointF(3, 3), Qt::LeftButton);
  Send(marker, QEvent::MouseButtonRelease, QPointF(3, 3), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace pellamar
