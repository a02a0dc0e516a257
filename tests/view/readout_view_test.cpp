// The pointer read-out, the date and zone boxes and the top panels, in the
// real window offscreen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <vector>

#include "map/view/map_picture.h"
#include "shell/view/config_panel.h"
#include "solar/view/date_panel.h"
#include "solar/view/dial_picture.h"
#include "solar/view/sun_dials_panel.h"
#include "solar/view/sun_marker_widget.h"
#include "support/window_fixture.h"

namespace pellamar {
namespace {

class ReadoutWindowTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    clock_ = FixedClock({2007, 6, 21}, 12 * 3600, 0);  // 21 June 2007, 12:00 in zone 0
    // The map kept on Paris (48.85° N, 2.35° E) at the default zoom.
    settings_.Write("Config", "MEM", "1");
    settings_.Write("Config", "LATCENTD", "4885");
    settings_.Write("Config", "LONCENTD", "235");
    settings_.Write("Config", "Zoom", "13885");
  }
  // Types `text` into the box as one edit, as a paste.
  static void Type(QLineEdit* box, const char* text) {
    box->selectAll();
    box->insert(QString::fromUtf8(text));
  }
};

// Fault: a read-out before the first map (no scales yet) fills the panel.
TEST_F(ReadoutWindowTest, NothingIsReadOutBeforeTheFirstMap) {
  MainWindow window(Services());
  window.ReadOut(100, 100);
  EXPECT_EQ(window.SunFrame()->Position()->text(), "Position du centre.");
  EXPECT_EQ(window.SunFrame()->Clock()->text(), "");
  EXPECT_EQ(window.SunFrame()->Transit()->text(), "");
}

// Faults: a label wired to another time; the dials given an east-positive longitude.
TEST_F(ReadoutWindowTest, TheCentreIsReadOutAfterEachRebuild) {
  MainWindow& window = Start();
  DatePanel* sol = window.SunFrame();
  // The centre is kept as 32-bit floats: 48.85 is 48.849998°, whose
  // truncated minutes are 50'. Solar clock: 12:00 + 2.35° × 4 min less the
  // equation of time read off the transit is 12:07.65.
  EXPECT_EQ(sol->Position()->text(), "N48°50'\nE02°21'");
  EXPECT_EQ(sol->Sunrise()->text(), "03:46");
  EXPECT_EQ(sol->Transit()->text(), "11:52:21");
  EXPECT_EQ(sol->Sunset()->text(), "19:57");
  EXPECT_TRUE(sol->Message()->isHidden());
  EXPECT_EQ(sol->Clock()->text(), "12:08");
  // The dials take the longitude west-positive; NOAA's solar position
  // algorithm gives azimuth 184.116° and height 64.545° there and then.
  EXPECT_FLOAT_EQ(window.LPo(), -2.35f);
  EXPECT_EQ(window.SunDials()->Label35().text(), " Azimut = 184.12 °");
  EXPECT_EQ(window.SunDials()->Label36().text(), " He: 64.54 °");
}

// Faults: the pointer above the map not pinned to the pole; the message left hidden.
TEST_F(ReadoutWindowTest, ThePointerAboveTheMapReadsThePole) {
  MainWindow& window = Start();
  window.ReadOut(window.Map().Xc, -5000);
  EXPECT_EQ(window.SunFrame()->Position()->text().section('\n', 0, 0), "N90°00'");
  EXPECT_EQ(window.FPo(), 90);
  EXPECT_EQ(window.SunFrame()->Message()->text(), "Le Soleil ne se couche pas !");
  EXPECT_FALSE(window.SunFrame()->Message()->isHidden());
}

// Fault: the Sun image's offsets taken from its centre, or x and y swapped.
TEST_F(ReadoutWindowTest, APointerOverTheSunImageReadsThePlaceUnderIt) {
  MainWindow& window = Start();
  // The image reports offsets from its top-left corner: 3000 twips right, 600 down.
  emit window.SunImage()->pointerMoved(QPointF(3000, 600));
  const QString over_sun = window.SunFrame()->Position()->text();
  window.ReadOut(window.Xpi() + 600, window.Ypi() + 3000);
  EXPECT_NE(window.SunFrame()->Position()->text(), over_sun);
  window.ReadOut(window.Xpi() + 3000, window.Ypi() + 600);
  EXPECT_EQ(window.SunFrame()->Position()->text(), over_sun);
}

// Faults: every move read out at once, or the first of a burst kept.
TEST_F(ReadoutWindowTest, ABurstOfMovesIsReadOutOnceAtItsLastPoint) {
  MainWindow& window = Start();
  MapPicture* picture = window.Picture();
  QLabel* position = window.SunFrame()->Position();
  const auto move = [picture](int x, int y) {
    QMouseEvent event(QEvent::MouseMove, QPointF(x, y), picture->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &event);
  };
  const int cx = picture->width() / 2;
  move(cx, 10);  // read out at once
  const QString first = position->text();
  EXPECT_NE(first, "N48°50'\nE02°21'");
  move(cx, picture->height() / 3);
  move(cx, picture->height() - 10);
  EXPECT_EQ(position->text(), first);
  QCoreApplication::processEvents();
  const QString last = position->text();
  EXPECT_TRUE(last.startsWith('S')) << last.toStdString();
  window.ReadOut(cx * picture->TwipsPerPixel(), (picture->height() - 10) * picture->TwipsPerPixel());
  EXPECT_EQ(position->text(), last);
}

// Faults: the locator box not recolouring, or re-reading at once.
TEST_F(ReadoutWindowTest, TheLocatorSwitchRecoloursAtOnceAndShowsAtTheNextReadOut) {
  MainWindow& window = Start();
  QCheckBox* qra = window.Config()->Qra();
  QLabel* position = window.SunFrame()->Position();
  EXPECT_EQ(position->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  QTest::mouseClick(qra, Qt::LeftButton);
  ASSERT_TRUE(qra->isChecked());
  EXPECT_EQ(position->palette().color(QPalette::WindowText), QColor(192, 64, 0));
  EXPECT_EQ(qra->palette().color(QPalette::WindowText), QColor(192, 64, 0));
  EXPECT_EQ(position->text(), "N48°50'\nE02°21'");
  window.ReadOut(window.Map().Xc, window.Map().Yc);
  EXPECT_EQ(position->text(), "JN18EU\nN48°51'00\"\nE02°21'00\"");
  QTest::mouseClick(qra, Qt::LeftButton);
  EXPECT_EQ(qra->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

// Faults: a button stepping the wrong box or way, no wrap, no read-out for the new date.
TEST_F(ReadoutWindowTest, DayAndMonthButtonsStepTheBoxesAndReadOutTheCentre) {
  MainWindow& window = Start();
  DatePanel* sol = window.SunFrame();
  const struct { int button; const char *day, *month, *new_day, *new_month; } cases[] = {
      {0, "1", "6", "1", "6"},  {1, "31", "6", "1", "6"}, {1, "30", "6", "31", "6"},
      {2, "5", "1", "5", "12"}, {3, "5", "12", "5", "1"}, {1, "20", "12", "21", "12"},
  };
  const double june_Ypi = window.Ypi();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    sol->Day()->setText(c.day);
    sol->Month()->setText(c.month);
    QTest::mouseClick(sol->UpDw(c.button), Qt::LeftButton);
    EXPECT_EQ(sol->Day()->text(), c.new_day);
    EXPECT_EQ(sol->Month()->text(), c.new_month);
  }
  EXPECT_EQ(sol->Transit()->text(), "11:48:41");  // 21 December at Paris
  // The Sun image went from 23.4° N to 23.4° S.
  const double twips_per_degree = window.Map().Pas_Inter * 60;
  EXPECT_NEAR(window.Ypi() - june_Ypi, 46.9 * twips_per_degree, 0.5 * twips_per_degree);
  QTest::mouseClick(window.Config()->Today(), Qt::LeftButton);
  EXPECT_EQ(sol->Day()->text(), "21");
  EXPECT_EQ(sol->Month()->text(), "6");
  EXPECT_EQ(sol->Transit()->text(), "11:52:21");
}

// Fault: the program's own writes to the boxes start the date handling.
TEST_F(ReadoutWindowTest, OnlyTheUsersEditsOfTheDateBoxesStartTheDateHandling) {
  MainWindow& window = Start();
  DatePanel* sol = window.SunFrame();
  sol->Day()->setText("21");
  sol->Month()->setText("12");
  EXPECT_EQ(sol->Transit()->text(), "11:52:21");
  sol->Day()->selectAll();
  QTest::keyClicks(sol->Day(), "21");
  EXPECT_EQ(sol->Transit()->text(), "11:48:41");  // 21 December
}

// Faults: a lone "-" refused, bad text taken, the zone not reaching the Sun or clock.
TEST_F(ReadoutWindowTest, TheZoneBoxKeepsALoneMinusAndPutsBackWhatItCannotRead) {
  MainWindow& window = Start();
  QLineEdit* zone = window.SunFrame()->Zone();
  ASSERT_EQ(zone->text(), "0");
  Type(zone, "-");
  EXPECT_EQ(zone->text(), "-");
  EXPECT_EQ(window.TimeZone(), 0);
  const double noon_Xpi = window.Xpi();
  Type(zone, "-5");
  EXPECT_EQ(window.TimeZone(), -5);
  // 12:00 in zone -5 is 17:00 UT: the Sun image moved 75° west.
  const double twips_per_degree = window.Map().PasLong * 60;
  EXPECT_NEAR(noon_Xpi - window.Xpi(), 75 * twips_per_degree, 2 * twips_per_degree);
  for (const char* bad : {"", "1e30", "nan", "15", "abc"}) {
    SCOPED_TRACE(bad);
    Type(zone, bad);
    EXPECT_EQ(zone->text(), "-5");
    EXPECT_EQ(window.TimeZone(), -5);
  }
  // 07:00 in zone -5 is 12:00 UT.
  clock_ = FixedClock({2007, 6, 21}, 7 * 3600, -5);
  window.ReadOut(window.Map().Xc, window.Map().Yc);
  EXPECT_EQ(window.SunFrame()->Clock()->text(), "12:08");
}

// Fault: the zone written or read with "." whatever the user's separator.
TEST_F(ReadoutWindowTest, TheZoneIsWrittenAndReadWithTheUsersDecimalSeparator) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  clock_ = FixedClock({2007, 6, 21}, 12 * 3600, 5.75);
  MainWindow& window = Start();
  QLineEdit* zone = window.SunFrame()->Zone();
  EXPECT_EQ(zone->text(), "5,75");
  Type(zone, "-3,5");
  EXPECT_EQ(window.TimeZone(), -3.5f);
  Type(zone, "-3.5");
  EXPECT_EQ(zone->text(), "-3,5");
  EXPECT_EQ(window.TimeZone(), -3.5f);
  window_.reset();
  QLocale::setDefault(before);
}

// Faults: the caption or the times not following the local-time box.
TEST_F(ReadoutWindowTest, HlocSwitchesTheTimeBase) {
  MainWindow& window = Start();
  DatePanel* sol = window.SunFrame();
  QCheckBox* hloc = window.Config()->LocalTime();
  ASSERT_TRUE(hloc->isChecked());
  EXPECT_EQ(sol->TimeBase()->text(), "Heure Locale");
  Type(sol->Zone(), "2");
  QTest::mouseClick(hloc, Qt::LeftButton);
  EXPECT_EQ(sol->TimeBase()->text(), "TU");
  EXPECT_EQ(sol->Transit()->text(), "11:52:21");
  QTest::mouseClick(hloc, Qt::LeftButton);
  EXPECT_EQ(sol->TimeBase()->text(), "Heure Locale");
  EXPECT_EQ(sol->Transit()->text(), "13:52:21");
}

// Faults: the tick not redrawing the clock or counting; the tooltip showing other counters.
TEST_F(ReadoutWindowTest, ATickRedrawsTheClockAndShowsTheCountersInTheZoneTooltip) {
  MainWindow& window = Start();
  ASSERT_TRUE(window.Timer()->isActive());
  window.SunFrame()->Clock()->clear();
  QTest::qWait(1000);
  EXPECT_EQ(window.SunFrame()->ZoneCaption()->toolTip(), "0/30 : 0/1000 ");
  EXPECT_EQ(window.Ticks().Occur, 1);
  EXPECT_EQ(window.Ticks().Occur2, 1);
  EXPECT_EQ(window.SunFrame()->Clock()->text(), "12:08");
}

// Faults: a margin or caption click closing the panel; a click reaching the map.
TEST_F(ReadoutWindowTest, AClickOnTheDialsPanelNeverReachesTheMap) {
  MainWindow& window = Start();
  SunDialsPanel* dials = window.SunDials();
  const MapState before = window.Map();
  QTest::mouseClick(dials, Qt::LeftButton, Qt::NoModifier, QPoint(2, dials->height() - 2));
  QTest::mouseClick(&dials->Label35(), Qt::LeftButton);
  EXPECT_FALSE(dials->isHidden());
  QTest::mouseClick(&dials->PicHE(), Qt::LeftButton);
  EXPECT_TRUE(dials->isHidden());
  EXPECT_EQ(window.RebuildCount(), 1);
  EXPECT_EQ(window.Map().ZOOMc, before.ZOOMc);
  EXPECT_EQ(window.Map().LATCENTD, before.LATCENTD);
}

// Faults: a caption clipped, out of its frame or overlapping (96 dpi); a caption misplaced.
TEST_F(ReadoutWindowTest, EveryCaptionOfTheTopPanelsIsWhole) {
  MainWindow& window = Start(QSize(1920, 1040));
  if (window.logicalDpiY() != 96) GTEST_SKIP() << "laid out for 96 dpi";
  window.SunFrame()->Message()->setText("Le Soleil ne se couche pas !");
  window.SunFrame()->Message()->show();
  int checked = 0;
  for (QFrame* panel : {static_cast<QFrame*>(window.Config()), static_cast<QFrame*>(window.SunFrame())}) {
    std::vector<QWidget*> shown;
    for (QWidget* w : panel->findChildren<QWidget*>()) {
      if (w->isHidden() || w->objectName() == "Label7") continue;
      SCOPED_TRACE(w->objectName().toStdString());
      QString caption;
      int needed = 0;
      if (auto* b = qobject_cast<QPushButton*>(w)) {
        caption = b->text();
        needed = b->fontMetrics().horizontalAdvance(caption) + 6;
      } else if (auto* a = qobject_cast<QAbstractButton*>(w)) {
        caption = a->text();
        needed = a->sizeHint().width();
      } else if (auto* l = qobject_cast<QLabel*>(w)) {
        caption = l->text();
        needed = l->sizeHint().width();
      }
      if (caption.isEmpty()) continue;
      EXPECT_TRUE(w->parentWidget()->contentsRect().contains(w->geometry())) << "outside its frame";
      EXPECT_LE(needed, w->width());
      EXPECT_GE(w->height(), w->fontMetrics().height());
      for (QWidget* other : shown) {
        if (other->parentWidget() == w->parentWidget())
          EXPECT_FALSE(other->geometry().intersects(w->geometry())) << other->objectName().toStdString();
      }
      shown.push_back(w);
      ++checked;
    }
  }
  EXPECT_GE(checked, 25);
  DatePanel* sol = window.SunFrame();
  EXPECT_EQ(sol->ZoneCaption()->text(), "Fuseau");
  EXPECT_EQ(sol->Zone()->toolTip(), "Votre fuseau horaire (décalage avec TU)");
  auto* solar_caption = Find<QLabel>(*sol, "Label8_1");
  ASSERT_NE(solar_caption, nullptr);
  EXPECT_EQ(solar_caption->text(), "Heure Solaire");
  EXPECT_LE(std::abs(solar_caption->geometry().center().x() - sol->Clock()->geometry().center().x()), 10);
  EXPECT_LT(solar_caption->geometry().bottom(), sol->Clock()->geometry().top());
  EXPECT_EQ(window.Config()->LocalTime()->toolTip(), "Ou heure T.U.");
  EXPECT_EQ(window.Config()->Qra()->parentWidget(), window.Config());
  EXPECT_EQ(window.Config()->Today()->parentWidget(), window.Config());
  // Captions "-" "+" "-" "+"; a screen reader hears which box each steps.
  const char* steps[4] = {"jour", "jour", "mois", "mois"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(sol->UpDw(i)->text(), i % 2 ? "+" : "-");
    EXPECT_EQ(sol->UpDw(i)->accessibleDescription(), steps[i]) << i;
  }
}

}  // namespace
}  // namespace pellamar
