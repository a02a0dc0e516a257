// The Sun dials panel, offscreen through the real widgets.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QTest>

#include "solar/view/dial_picture.h"
#include "solar/view/sun_dials_panel.h"

namespace pellamar {
namespace {

TEST(SunDialsPanelView, UpdatesOnlyWhileShownAndAClickOnEitherDialClosesIt) {
  SunDialsPanel panel;
  panel.setLocale(QLocale(QLocale::French, QLocale::France));
  const SunInstant june_afternoon{21, 6, 2007, 15.5 / 24, 0};
  panel.hide();
  panel.UpdateFrom(48.85, -2.35, june_afternoon);
  EXPECT_EQ(panel.Label35().text() + panel.Label36().text(), "AzimutHauteur");
  panel.show();
  panel.UpdateFrom(48.85, -2.35, june_afternoon);
  // Worked from the ephemeris: declination 23.438°, the Sun west-south-west
  // of Paris; the user's decimal separator.
  EXPECT_EQ(panel.Label35().text() + "|" + panel.Label36().text(), QString::fromUtf8(" Azimut = 259,36 °| He: 40,60 °"));

  int closed = 0;
  QObject::connect(&panel, &SunDialsPanel::closedByClick, [&closed] { ++closed; });
  for (const char* dial : {"PicAZ", "PicHE"}) {
    SCOPED_TRACE(dial);
    panel.show();
    auto* picture = panel.findChild<DialPicture*>(dial);
    ASSERT_NE(picture, nullptr);
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(panel.isHidden());
  }
  EXPECT_EQ(closed, 2);
}

}  // namespace
}  // namespace pellamar
