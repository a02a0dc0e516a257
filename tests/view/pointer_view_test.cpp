// What the user reads and sees after mouse events on the map and on the Sun
// image: the dial captions, the Sun times, the Sun image's place, Label7.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QLocale>
#include <QTest>

#include "map/view/map_picture.h"
#include "shell/view/config_panel.h"
#include "shell/view/main_window.h"
#include "solar/view/date_panel.h"
#include "solar/view/dial_picture.h"
#include "solar/view/sun_dials_panel.h"
#include "solar/view/sun_marker_widget.h"
#include "support/window_fixture.h"

namespace pellamar {
namespace {

class PointerViewTest : public testing::WindowTest {
 protected:
  // A window started at `clock` on the kept centre (hundredths of a degree).
  MainWindow* Start(const FixedClock& clock, const char* lat = "0", const char* lon = "0") {
    settings_.Write("Config", "LATCENTD", lat);
    settings_.Write("Config", "LONCENTD", lon);
    window_.reset();
    clock_ = clock;
    window_ = std::make_unique<MainWindow>(Services());
    // The user's decimal separator reaches the captions.
    window_->SunDials()->setLocale(QLocale(QLocale::French, QLocale::France));
    window_->StartUp(QSize(1200, 800));
    return window_.get();
  }
  // The place under a point of the picture, in twips, for the window's map
  // as it stands.
  static GeoPoint PlaceAt(const MainWindow& w, double x, double y) {
    MapState m = w.Map();
    m.RFlat = m.LATCENTD;
    m.RFlon = m.LONCENTD;
    return Unproject(m, x, y);
  }
};

TEST_F(PointerViewTest, TheCentreReadOutFillsTheDialCaptionsAndTheTimes) {
  // Worked by hand from the ephemeris: on 21 March 2007 at 12:00 UT the Sun
  // is at declination 0.19422°, Greenwich hour angle 358.17847°; on 21 June
  // at 12:00 UT at 23.4382°, 359.9° or so. Times from the day-count model.
  const struct {
    const char* what;
    FixedClock clock;
    const char *lat, *lon, *azimuth, *height, *rise, *transit, *set, *message;
  } cases[] = {
      {"0, 0 in March", {{2007, 3, 21}, 12 * 3600, 0}, "0", "0", " Azimut = 83,91 °",
       " He: 88,17 °", "06:03", "12:07:11", "18:10", ""},
      {"Paris in March", {{2007, 3, 21}, 12 * 3600, 0}, "4885", "235", " Azimut = 180,70 °",
       " He: 41,34 °", "05:51", "11:57:48", "18:04", ""},
      {"80 N in June", {{2007, 6, 21}, 12 * 3600, 0}, "8000", "0", " Azimut = 179,54 °",
       " He: 33,44 °", "---", "12:01:46", "---", "Le Soleil ne se couche pas !"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MainWindow* const w = Start(c.clock, c.lat, c.lon);
    EXPECT_EQ(w->SunDials()->Label35().text().toStdString(), c.azimuth);
    EXPECT_EQ(w->SunDials()->Label36().text().toStdString(), c.height);
    EXPECT_EQ(w->SunFrame()->Sunrise()->text().toStdString(), c.rise);
    EXPECT_EQ(w->SunFrame()->Transit()->text().toStdString(), c.transit);
    EXPECT_EQ(w->SunFrame()->Sunset()->text().toStdString(), c.set);
    EXPECT_EQ(w->SunFrame()->Message()->text().toStdString(), *c.message ? c.message : "");
    EXPECT_EQ(w->SunFrame()->Message()->isHidden(), *c.message == '\0');
  }
}

TEST_F(PointerViewTest, TheSunImageIsMovedOntoTheSubsolarPoint) {
  // 21 June 2007, 15:00 UT: the Sun stands over 23.438° N, 44.571° W.
  const FixedClock clock{{2007, 6, 21}, 15 * 3600, 0};
  MainWindow* const w = Start(clock);
  const SunMarker* sun = w->SunImage();
  const double twips = w->Picture()->TwipsPerPixel();
  const QPointF centre = QPointF(sun->pos()) + QPointF(sun->width(), sun->height()) / 2;
  const GeoPoint under = PlaceAt(*w, centre.x() * twips, centre.y() * twips);
  // One pixel is about a third of a degree at this zoom.
  EXPECT_NEAR(under.lat_deg, 23.438, 0.4);
  EXPECT_NEAR(under.lon_east_deg, -44.571, 0.4);
  EXPECT_NEAR(sun->x(), w->Xpi() / twips, 1);
  EXPECT_NEAR(sun->y(), w->Ypi() / twips, 1);
}

TEST_F(PointerViewTest, APointerOnTheSunImageReadsFromItsTopLeftCorner) {
  const FixedClock clock{{2007, 6, 21}, 15 * 3600, 0};
  MainWindow* const w = Start(clock);
  w->Config()->SetZoom(ZoomOption::Lock);
  SunMarker* sun = w->SunImage();
  // At the corner: the place a click on the image centres on. (QTest takes
  // a move to (0, 0) for a move to the middle, so the event is sent as is.)
  QMouseEvent at_corner(QEvent::MouseMove, QPointF(0, 0), sun->mapToGlobal(QPointF(0, 0)),
                        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(sun, &at_corner);
  const double corner_lat = w->FPo(), corner_lon_west = w->LPo();
  const GeoPoint corner = PlaceAt(*w, w->Xpi(), w->Ypi());
  EXPECT_NEAR(corner_lat, corner.lat_deg, 1e-6);
  EXPECT_NEAR(corner_lon_west, -corner.lon_east_deg, 1e-6);
  const QString azimuth_at_corner = w->SunDials()->Label35().text();
  // 10 pixels right, 20 down: that much east and south of the corner, and
  // the dials follow.
  QTest::mouseMove(sun, QPoint(10, 20));
  const double twips = w->Picture()->TwipsPerPixel();
  EXPECT_NEAR(w->FPo(), corner_lat - 20 * twips / w->Map().Pas_Inter / 60, 1e-6);
  EXPECT_NEAR(w->LPo(), corner_lon_west - 10 * twips / w->Map().PasLong / 60, 1e-6);
  EXPECT_NE(w->SunDials()->Label35().text(), azimuth_at_corner);
  // A click centres there, once: the map beneath does not see it.
  const int rebuilds = w->RebuildCount();
  QTest::mouseClick(sun, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(w->RebuildCount(), rebuilds + 1);
  EXPECT_NEAR(w->Map().LATCENTD, corner_lat, 1e-4);
  EXPECT_NEAR(w->Map().LONCENTD, -corner_lon_west, 1e-4);
  // The dials panel closes on a click and unchecks its menu entry.
  EXPECT_TRUE(w->SunDialsChecked());
  QTest::mouseClick(&w->SunDials()->PicAZ(), Qt::LeftButton);
  EXPECT_FALSE(w->SunDialsChecked());
  EXPECT_TRUE(w->SunDials()->isHidden());
}

TEST_F(PointerViewTest, EveryMouseButtonOnTheMapHidesTheChosenCity) {
  const FixedClock clock{{2007, 3, 21}, 12 * 3600, 0};
  MainWindow* const w = Start(clock);
  QLabel* label7 = w->Config()->ChosenCity();
  MapPicture* picture = w->Picture();
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
    SCOPED_TRACE(button);
    label7->show();
    const int rebuilds = w->RebuildCount();
    QTest::mouseClick(picture, button, Qt::NoModifier, QPoint(40, 30));
    EXPECT_TRUE(label7->isHidden());
    EXPECT_EQ(w->RebuildCount(), rebuilds + (button == Qt::LeftButton));
  }
}

}  // namespace
}  // namespace pellamar
