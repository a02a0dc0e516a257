#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <vector>

#include "map/view/map_picture.h"
#include "platform/memory_settings_store.h"
#include "shell/view/config_panel.h"
#include "shell/view/main_window.h"
#include "solar/sun_dials.h"
#include "solar/sun_ephemeris.h"
#include "solar/view/date_panel.h"
#include "solar/view/dial_picture.h"
#include "solar/view/sun_dials_panel.h"
#include "solar/view/sun_marker_widget.h"
#include "support/recording_notice.h"

namespace pellamar {
namespace {

class ReadoutWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    std::ofstream(folder_.filePath("totale.Asc").toStdString(), std::ios::binary) << "0.5 0.3\r\n0.51 0.31\r\n";
    // The map kept on Paris (48.85° N, 2.35° E) at the default zoom.
    settings_.Write("Config", "MEM", "1");
    settings_.Write("Config", "LATCENTD", "4885");
    settings_.Write("Config", "LONCENTD", "235");
    settings_.Write("Config", "Zoom", "13885");
  }
  MainWindowServices Services() { return {&clock_, &settings_, &notice_, folder_.path(), false}; }
  static void Move(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
  }

  QTemporaryDir folder_;
  // 21 June 2007, 12:00 in zone 0.
  FixedClock clock_{{2007, 6, 21}, 12 * 3600, 0};
  MemorySettingsStore settings_;
  testing::RecordingNotice notice_;
};

TEST_F(ReadoutWindowTest, NothingIsReadOutBeforeTheFirstMap) {
  MainWindow window(Services());
  window.ReadOut(100, 100);
  EXPECT_EQ(window.SunFrame()->Position()->text(), "Position du centre.");
  EXPECT_EQ(window.SunFrame()->Clock()->text(), "");
  EXPECT_EQ(window.SunFrame()->Transit()->text(), "");
}

TEST_F(ReadoutWindowTest, TheCentreIsReadOutAfterEachRebuild) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  DatePanel* sol = window.SunFrame();
  // Position, Sun times (local time in zone 0), then the solar clock, which
  // needs the longitude in west-positive radians: 12:00 + 2.35° × 4 min,
  // less the equation of time read off the transit, is 12:07.65.
  // The centre is kept as 32-bit floats: 48.85 is 48.849998°, whose
  // truncated minutes are 50'; 2.35 is 2.3499999°, 2°21'00.00" to the
  // hundredth of a second.
  EXPECT_EQ(sol->Position()->text(), "N48°50'\nE02°21'");
  EXPECT_EQ(sol->Sunrise()->text(), "03:46");
  EXPECT_EQ(sol->Transit()->text(), "11:52:21");
  EXPECT_EQ(sol->Sunset()->text(), "19:57");
  EXPECT_TRUE(sol->Message()->isHidden());
  EXPECT_EQ(sol->Clock()->text(), "12:08");
  // The dials were given the place in degrees, longitude west-positive.
  EXPECT_FLOAT_EQ(window.FPo(), 48.85f);
  EXPECT_FLOAT_EQ(window.LPo(), -2.35f);
  const SunInstant instant{21, 6, 2007, 0.5, 0};
  const SunPosition sun = SunPositionAt(ComputeSunEphemeris(instant), 48.85, -2.35);
  EXPECT_EQ(window.SunDials()->Label35().text().toStdString(), AzimuthCaption(sun.Az, '.'));
  EXPECT_EQ(window.SunDials()->Label36().text().toStdString(), HeightCaption(sun.h, '.'));
}

TEST_F(ReadoutWindowTest, ThePointerAboveTheMapReadsThePole) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  window.ReadOut(window.Map().Xc, -5000);
  EXPECT_EQ(window.SunFrame()->Position()->text().section('\n', 0, 0), "N90°00'");
  EXPECT_EQ(window.FPo(), 90);
  // At the pole in June the Sun does not set.
  EXPECT_EQ(window.SunFrame()->Message()->text(), "Le Soleil ne se couche pas !");
  EXPECT_FALSE(window.SunFrame()->Message()->isHidden());
}

TEST_F(ReadoutWindowTest, APointerOverTheSunImageReadsThePlaceUnderIt) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  // The image reports offsets from its top-left corner: 3000 twips right,
  // 600 down.
  emit window.SunImage()->pointerMoved(QPointF(3000, 600));
  const QString over_sun = window.SunFrame()->Position()->text();
  window.ReadOut(window.Xpi() + 600, window.Ypi() + 3000);
  EXPECT_NE(window.SunFrame()->Position()->text(), over_sun);  // x and y kept apart
  window.ReadOut(window.Xpi() + 3000, window.Ypi() + 600);
  EXPECT_EQ(window.SunFrame()->Position()->text(), over_sun);
}

TEST_F(ReadoutWindowTest, ABurstOfMovesIsReadOutOnceAtItsLastPoint) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  MapPicture* picture = window.Picture();
  QLabel* position = window.SunFrame()->Position();
  const int cx = picture->width() / 2;
  // The first move of a burst is read out at once...
  Move(picture, QPoint(cx, 10));
  const QString first = position->text();
  EXPECT_NE(first, "N48°50'\nE02°21'");
  // ...the others wait for the event loop and only the last one counts.
  Move(picture, QPoint(cx, picture->height() / 3));
  Move(picture, QPoint(cx, picture->height() - 10));
  EXPECT_EQ(position->text(), first);
  QCoreApplication::processEvents();
  const QString last = position->text();
  EXPECT_TRUE(last.startsWith('S')) << last.toStdString();
  window.ReadOut(cx * picture->TwipsPerPixel(), (picture->height() - 10) * picture->TwipsPerPixel());
  EXPECT_EQ(position->text(), last);
}

TEST_F(ReadoutWindowTest, TheLocatorSwitchRecoloursAtOnceAndShowsAtTheNextReadOut) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
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

TEST_F(ReadoutWindowTest, DayAndMonthButtonsStepTheBoxesAndReadOutTheCentre) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  DatePanel* sol = window.SunFrame();
  struct Case {
    int button;
    const char* day;
    const char* month;
    const char* new_day;
    const char* new_month;
  };
  const Case cases[] = {
      {0, "1", "6", "1", "6"},  {1, "31", "6", "1", "6"}, {1, "30", "6", "31", "6"},
      {2, "5", "1", "5", "12"}, {3, "5", "12", "5", "1"}, {1, "20", "12", "21", "12"},
  };
  const double june_Ypi = window.Ypi();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    sol->Day()->setText(c.day);
    sol->Month()->setText(c.month);
    QTest::mouseClick(sol->UpDw(c.button), Qt::LeftButton);
    EXPECT_EQ(sol->Day()->text(), c.new_day);
    EXPECT_EQ(sol->Month()->text(), c.new_month);
  }
  // The centre was read out for the new date: 21 December at Paris.
  EXPECT_EQ(sol->Transit()->text(), "11:48:41");
  // And the Sun image went from 23.4° N to 23.4° S.
  const double twips_per_degree = window.Map().Pas_Inter * 60;
  EXPECT_NEAR(window.Ypi() - june_Ypi, 46.9 * twips_per_degree, 0.5 * twips_per_degree);
  // "Aujourd'hui" puts back the clock's date and reads out again.
  QTest::mouseClick(window.Config()->Today(), Qt::LeftButton);
  EXPECT_EQ(sol->Day()->text(), "21");
  EXPECT_EQ(sol->Month()->text(), "6");
  EXPECT_EQ(sol->Transit()->text(), "11:52:21");
}

TEST_F(ReadoutWindowTest, OnlyTheUsersEditsOfTheDateBoxesStartTheDateHandling) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  DatePanel* sol = window.SunFrame();
  // The program's own write: nothing is read out again.
  sol->Day()->setText("21");
  sol->Month()->setText("12");
  EXPECT_EQ(sol->Transit()->text(), "11:52:21");
  // The user's edit: the centre is read out for 21 December.
  sol->Day()->selectAll();
  QTest::keyClicks(sol->Day(), "21");
  EXPECT_EQ(sol->Transit()->text(), "11:48:41");
}

TEST_F(ReadoutWindowTest, TheZoneBoxKeepsALoneMinusAndPutsBackWhatItCannotRead) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  QLineEdit* zone = window.SunFrame()->Zone();
  ASSERT_EQ(zone->text(), "0");
  const auto type = [zone](const char* text) {
    zone->selectAll();
    zone->insert(QString::fromUtf8(text));  // one edit, as a paste
  };
  type("-");
  EXPECT_EQ(zone->text(), "-");
  EXPECT_EQ(window.TimeZone(), 0);
  const double noon_Xpi = window.Xpi();
  type("-5");
  EXPECT_EQ(window.TimeZone(), -5);
  // 12:00 in zone -5 is 17:00 UT: the Sun image moved 75° west.
  const double twips_per_degree = window.Map().PasLong * 60;
  EXPECT_NEAR(noon_Xpi - window.Xpi(), 75 * twips_per_degree, 2 * twips_per_degree);
  for (const char* bad : {"", "1e30", "nan", "15", "abc"}) {
    SCOPED_TRACE(bad);
    type(bad);
    EXPECT_EQ(zone->text(), "-5");
    EXPECT_EQ(window.TimeZone(), -5);
  }
  // The solar clock follows the zone: 07:00 in zone -5 is 12:00 UT.
  clock_ = FixedClock({2007, 6, 21}, 7 * 3600, -5);
  window.ReadOut(window.Map().Xc, window.Map().Yc);
  EXPECT_EQ(window.SunFrame()->Clock()->text(), "12:08");
}

TEST_F(ReadoutWindowTest, TheZoneIsWrittenAndReadWithTheUsersDecimalSeparator) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  clock_ = FixedClock({2007, 6, 21}, 12 * 3600, 5.75);
  {
    MainWindow window(Services());
    window.StartUp(QSize(1200, 800));
    QLineEdit* zone = window.SunFrame()->Zone();
    EXPECT_EQ(zone->text(), "5,75");
    zone->selectAll();
    zone->insert("-3,5");
    EXPECT_EQ(window.TimeZone(), -3.5f);
    zone->selectAll();
    zone->insert("-3.5");
    EXPECT_EQ(zone->text(), "-3,5");
    EXPECT_EQ(window.TimeZone(), -3.5f);
  }
  QLocale::setDefault(before);
}

TEST_F(ReadoutWindowTest, HlocSwitchesTheTimeBase) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  DatePanel* sol = window.SunFrame();
  QCheckBox* hloc = window.Config()->LocalTime();
  ASSERT_TRUE(hloc->isChecked());
  EXPECT_EQ(sol->TimeBase()->text(), "Heure Locale");
  QLineEdit* zone = sol->Zone();
  zone->selectAll();
  zone->insert("2");
  QTest::mouseClick(hloc, Qt::LeftButton);
  EXPECT_EQ(sol->TimeBase()->text(), "TU");
  EXPECT_EQ(sol->Transit()->text(), "11:52:21");
  QTest::mouseClick(hloc, Qt::LeftButton);
  EXPECT_EQ(sol->TimeBase()->text(), "Heure Locale");
  EXPECT_EQ(sol->Transit()->text(), "13:52:21");
}

TEST_F(ReadoutWindowTest, ATickRedrawsTheClockAndShowsTheCountersInTheZoneTooltip) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  ASSERT_TRUE(window.Timer()->isActive());
  window.SunFrame()->Clock()->clear();
  QTest::qWait(1000);
  EXPECT_EQ(window.SunFrame()->ZoneCaption()->toolTip(), "0/30 : 0/1000 ");
  EXPECT_EQ(window.Ticks().Occur, 1);
  EXPECT_EQ(window.Ticks().Occur2, 1);
  EXPECT_EQ(window.SunFrame()->Clock()->text(), "12:08");
}

TEST_F(ReadoutWindowTest, AClickOnTheDialsPanelNeverReachesTheMap) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  SunDialsPanel* dials = window.SunDials();
  const MapState before = window.Map();
  // A margin of the panel and a caption: nothing happens.
  QTest::mouseClick(dials, Qt::LeftButton, Qt::NoModifier, QPoint(2, dials->height() - 2));
  QTest::mouseClick(&dials->Label35(), Qt::LeftButton);
  EXPECT_FALSE(dials->isHidden());
  // A dial: the panel closes, and that is all.
  QTest::mouseClick(&dials->PicHE(), Qt::LeftButton);
  EXPECT_TRUE(dials->isHidden());
  EXPECT_EQ(window.RebuildCount(), 1);
  EXPECT_EQ(window.Map().ZOOMc, before.ZOOMc);
  EXPECT_EQ(window.Map().LATCENTD, before.LATCENTD);
}

// Every caption of the two top panels is whole and clear of its neighbours
// at 96 dpi on a 1920-pixel screen.
TEST_F(ReadoutWindowTest, EveryCaptionOfTheTopPanelsIsWhole) {
  MainWindow window(Services());
  window.StartUp(QSize(1920, 1040));
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
      } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        caption = b->text();
        needed = b->sizeHint().width();
      } else if (auto* l = qobject_cast<QLabel*>(w)) {
        caption = l->text();
        needed = l->sizeHint().width();
      }
      if (caption.isEmpty()) continue;
      SCOPED_TRACE(caption.toStdString());
      const QRect inside = w->parentWidget()->contentsRect();
      EXPECT_TRUE(inside.contains(w->geometry()))
          << "outside its frame: " << w->x() << "," << w->y() << " " << w->width() << "x" << w->height()
          << " in " << inside.x() << "," << inside.y() << " " << inside.width() << "x" << inside.height();
      EXPECT_LE(needed, w->width());
      EXPECT_GE(w->height(), w->fontMetrics().height());
      shown.push_back(w);
      ++checked;
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
      for (std::size_t j = i + 1; j < shown.size(); ++j) {
        if (shown[i]->parentWidget() != shown[j]->parentWidget()) continue;
        EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
            << shown[i]->objectName().toStdString() << " / " << shown[j]->objectName().toStdString();
      }
    }
  }
  EXPECT_GE(checked, 25);
  // The documented captions are where they belong.
  DatePanel* sol = window.SunFrame();
  EXPECT_EQ(sol->ZoneCaption()->text(), "Fuseau");
  EXPECT_EQ(sol->Zone()->toolTip(), "Votre fuseau horaire (décalage avec TU)");
  auto* solar_caption = sol->findChild<QLabel*>("Label8_1");
  ASSERT_NE(solar_caption, nullptr);
  EXPECT_EQ(solar_caption->text(), "Heure Solaire");
  EXPECT_LE(std::abs(solar_caption->geometry().center().x() - sol->Clock()->geometry().center().x()), 10);
  EXPECT_LT(solar_caption->geometry().bottom(), sol->Clock()->geometry().top());
  EXPECT_EQ(window.Config()->LocalTime()->toolTip(), "Ou heure T.U.");
  EXPECT_EQ(window.Config()->Qra()->parentWidget(), window.Config());
  EXPECT_EQ(window.Config()->Today()->parentWidget(), window.Config());
  const QStringList steps = {"-", "+", "-", "+"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(sol->UpDw(i)->text(), steps[i]);
}

}  // namespace
}  // namespace pellamar
