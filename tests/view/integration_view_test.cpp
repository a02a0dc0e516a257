// The features working together in one window: the refresh tick moving the
// overlay with the Sun, the date controls, the panels floating on the map.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>
#include <functional>

#include "map/view/map_picture.h"
#include "overlays/view/scale_bar_picture.h"
#include "places/view/search_panels.h"
#include "shell/view/config_panel.h"
#include "shell/view/main_window.h"
#include "solar/view/date_panel.h"
#include "solar/view/sun_dials_panel.h"
#include "solar/view/sun_marker_widget.h"
#include "support/window_fixture.h"

namespace pellamar {
namespace {

// A clock the test moves forward, as the computer's runs during a session.
class SteppingClock final : public Clock {
 public:
  CivilDate LocalDate() const override { return {2007, 6, 21}; }
  int LocalSecondsOfDay() const override { return seconds; }
  double UtcOffsetHours() const override { return 0; }
  int seconds = 9 * 3600;
};

class IntegrationWindowTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window_clock_ = &stepping_;
  }
  // One tick of "Rafraichissement automatique", as the timer delivers it.
  static void Tick(MainWindow& window) {
    ASSERT_TRUE(QMetaObject::invokeMethod(window.Timer(), "timeout", Qt::DirectConnection));
  }

  SteppingClock stepping_;
};

// The curve's lowest point on the map (in northern summer the boundary
// reaches 90° − declination south there) and the x of its two crossings of
// the map line y (the equator lies 90° of longitude either side of the Sun).
double LowestY(const LinePools& pools) {
  double lowest = -1e30;
  for (std::size_t j = 0; j < kDaylightLines; ++j) {
    if (pools.L[j].visible) lowest = std::max<double>(lowest, pools.L[j].Y1);
  }
  return lowest;
}

std::vector<double> Crossings(const LinePools& pools, double y) {
  std::vector<double> xs;
  for (std::size_t j = 0; j < kDaylightLines; ++j) {
    const PoolLine& l = pools.L[j];
    // Half-open, so that a point lying on the line counts once.
    if (!l.visible || (l.Y1 <= y) == (l.Y2 <= y)) continue;
    xs.push_back(l.X1 + (y - l.Y1) * (l.X2 - l.X1) / (l.Y2 - l.Y1));
  }
  return xs;
}

// The tick moves the Sun marker with the clock and the overlay the same
// distance: after an hour the Sun is 15° further west, and so is every point
// of the curve and every night line.
TEST_F(IntegrationWindowTest, TheTickSlidesTheOverlayWithTheSunMarker) {
  MainWindow& window = Start();
  ASSERT_EQ(window.Map().ZOOMc, 13885);  // the whole world: a slide every 42 ticks
  ASSERT_TRUE(window.Timer()->isActive());
  const LinePools before = window.Pools();
  const double old_Xpi = window.Xpi();
  stepping_.seconds += 3600;
  for (int i = 0; i < 42; ++i) Tick(window);
  EXPECT_EQ(window.Xpi(), old_Xpi) << "no slide before k·Occur reaches 30";
  EXPECT_EQ(window.Pools().L[100].X1, before.L[100].X1);
  Tick(window);
  const double moved = window.Xpi() - old_Xpi;
  // 15° of longitude per hour, less the equation of time's drift (about a
  // second of time in an hour here): 900 minutes of arc westwards.
  EXPECT_NEAR(moved, -900 * window.Map().PasLong, 2 * window.Map().PasLong);
  const LinePools& after = window.Pools();
  for (std::size_t j = 0; j < kDaylightLines; ++j) {
    SCOPED_TRACE(j);
    EXPECT_NEAR(after.L[j].X1 - before.L[j].X1, moved, 1);
    EXPECT_NEAR(after.L[j].X2 - before.L[j].X2, moved, 1);
    EXPECT_NEAR(after.N[j].X1 - before.N[j].X1, moved, 1);
    EXPECT_EQ(after.L[j].Y1, before.L[j].Y1);
    EXPECT_EQ(after.N[j].Y2, before.N[j].Y2);
  }
  EXPECT_EQ(window.Ticks().Occur, 1);
  EXPECT_EQ(window.Ticks().Occur2, 43);
}

// A redraw in between (here a date button) starts the count afresh; the
// 1001st tick after it rebuilds the map, which starts the count again.
TEST_F(IntegrationWindowTest, RedrawsResetTheCountersAndTheThousandAndFirstTickRebuilds) {
  MainWindow& window = Start();
  for (int i = 0; i < 30; ++i) Tick(window);
  ASSERT_EQ(window.Ticks().Occur2, 30);
  QTest::mouseClick(window.SunFrame()->UpDw(1), Qt::LeftButton);
  EXPECT_EQ(window.Ticks().Occur, 0);
  EXPECT_EQ(window.Ticks().Occur2, 0);
  const int rebuilds = window.RebuildCount();
  for (int i = 0; i < 1000; ++i) Tick(window);
  EXPECT_EQ(window.RebuildCount(), rebuilds);
  EXPECT_EQ(window.Ticks().Occur2, 1000);
  Tick(window);
  EXPECT_EQ(window.RebuildCount(), rebuilds + 1);
  EXPECT_EQ(window.Ticks().Occur, 0);
  EXPECT_EQ(window.Ticks().Occur2, 0);
  EXPECT_TRUE(window.Timer()->isActive());
}

// The dials panel floats on the map: its caption row hides what the map
// prints beneath (a parallel's name at a small window), instead of mixing
// "Azimut = …" with it.
TEST_F(IntegrationWindowTest, TheDialsPanelHidesTheMapBeneathItsCaptions) {
  MainWindow& window = Start();
  SunDialsPanel* dials = window.SunDials();
  ASSERT_FALSE(dials->isHidden());
  const QImage shown = window.Picture()->grab().toImage();
  const QColor panel = dials->palette().color(QPalette::Window);
  ASSERT_NE(panel.rgb(), qRgb(255, 255, 255));
  // Points of the caption row right of each caption's text.
  const QPoint row = dials->geometry().topLeft() + QPoint(0, dials->Label35().geometry().center().y());
  int checked = 0;
  for (const int x : {dials->Label35().geometry().right() - 3, dials->Label36().geometry().right() - 3}) {
    SCOPED_TRACE(x);
    EXPECT_EQ(QColor(shown.pixel(row + QPoint(x, 0))).rgb(), panel.rgb());
    ++checked;
  }
  EXPECT_EQ(checked, 2);
}

// "Rechercher un Pays" brings a hidden search panel back; the entry that
// shows or hides the panel then says what its next click does.
TEST_F(IntegrationWindowTest, TheCountryListBringsTheSearchPanelBackAndItsEntryFollows) {
  MainWindow& window = Start();
  auto* search = Find<QFrame>(window, "FraCherche");
  auto* meff_rech = Find<QAction>(window, "MeffRech");
  auto* mpays = Find<QAction>(window, "Mpays");
  ASSERT_TRUE(search && meff_rech && mpays);
  // Opened while the panel is shown: the designed caption stays.
  mpays->trigger();
  EXPECT_EQ(meff_rech->text(), "Effacer le module recherche");
  meff_rech->trigger();
  ASSERT_TRUE(search->isHidden());
  EXPECT_EQ(meff_rech->text(), "Afficher le module Recherche");
  mpays->trigger();
  EXPECT_FALSE(search->isHidden());
  EXPECT_EQ(meff_rech->text(), "Effacer le module Recherche");
  meff_rech->trigger();
  EXPECT_TRUE(search->isHidden());
  EXPECT_EQ(meff_rech->text(), "Afficher le module Recherche");
}

// The dials are not redrawn while hidden; shown again by "Module Position du
// Soleil", they describe the place read out meanwhile.
TEST_F(IntegrationWindowTest, DialsShownAgainDescribeThePlaceReadOutWhileTheyWereHidden) {
  MainWindow& window = Start();
  window.Timer()->stop();  // no tick redraws them behind the test's back
  auto* msoleil = Find<QAction>(window, "Msoleil");
  ASSERT_TRUE(msoleil);
  const QLabel& azimuth = window.SunDials()->Label35();
  const QLabel& height = window.SunDials()->Label36();
  const double w = window.Picture()->Canvas().WidthTwips(), h = window.Picture()->Canvas().HeightTwips();
  // Two places far apart: the west and the east of the map, halfway down.
  const QPointF west(w * 0.2, h * 0.5), east(w * 0.8, h * 0.5);
  window.ReadOut(east.x(), east.y());
  const QString east_azimuth = azimuth.text(), east_height = height.text();
  window.ReadOut(west.x(), west.y());
  ASSERT_NE(azimuth.text(), east_azimuth);
  msoleil->trigger();
  ASSERT_TRUE(window.SunDials()->isHidden());
  window.ReadOut(east.x(), east.y());
  msoleil->trigger();
  ASSERT_FALSE(window.SunDials()->isHidden());
  EXPECT_TRUE(msoleil->isChecked());
  EXPECT_EQ(azimuth.text(), east_azimuth);
  EXPECT_EQ(height.text(), east_height);
}

// The Sun image never covers a panel floating on the map: where they meet,
// the pointer reaches the panel (a click on the list or the dials does not
// re-centre the map on the Sun).
TEST_F(IntegrationWindowTest, TheSunImageLiesUnderEveryFloatingPanel) {
  MainWindow& window = Start();
  QWidget* map = window.Picture();
  QWidget* sun = window.SunImage();
  QWidget* country = Find<QFrame>(window, "Frame2");
  ASSERT_TRUE(country);
  // Each panel alone, as it is opened (the panels may overlap each other).
  const std::function<void()> open[] = {[] {}, [&] { window.OpenCountryList(); },
                                         [&] { window.OpenColourPanel(); }};
  QWidget* panels[] = {window.SunDials(), country, window.ColourFrame()};
  for (int i = 0; i < 3; ++i) {
    QWidget* panel = panels[i];
    SCOPED_TRACE(panel->objectName().toStdString());
    open[i]();
    ASSERT_TRUE(panel->isVisible());
    const QPoint inside = panel->geometry().center();
    sun->move(inside - QPoint(sun->width() / 2, sun->height() / 2));
    QWidget* hit = map->childAt(inside);
    ASSERT_NE(hit, nullptr);
    EXPECT_NE(hit, sun);
    EXPECT_TRUE(hit == panel || panel->isAncestorOf(hit));
    panel->hide();
  }
}

// The date and zone controls move the Sun marker and the curve together.
// 21 June 2007, declination 23.44°, equation of time -1.8 min; 21 May 2007,
// 20.1° and +3.5 min (almanac). At 09:00 UT the Sun stands over 45.45° E
// (44.1° E in May); at 14:00 UT (zone -5, same clock) over 29.55° W.
TEST_F(IntegrationWindowTest, DateAndZoneControlsMoveTheSunAndTheCurveTogether) {
  MainWindow& window = Start();
  const MapState& map = window.Map();
  ASSERT_EQ(map.LATCENTD, 0.0f);
  const QSizeF sun = window.SunImage()->SizeTwips();
  const auto longitude = [&](double x) { return (x - map.Xc) / (60 * map.PasLong) + map.LONCENTD; };
  const auto latitude = [&](double y) { return -(y - map.Yc) / (60 * map.Pas_Inter) + map.LATCENTD; };
  struct Step {
    const char* what;
    std::function<void()> act;
    double sun_lon, sun_lat;
  };
  DatePanel* sol = window.SunFrame();
  const Step steps[] = {
      {"start", [] {}, 45.45, 23.44},
      {"month -", [&] { QTest::mouseClick(sol->UpDw(2), Qt::LeftButton); }, 44.1, 20.1},
      {"Aujourd'hui", [&] { QTest::mouseClick(window.Config()->Today(), Qt::LeftButton); }, 45.45, 23.44},
      {"zone -5",
       [&] {
         sol->Zone()->selectAll();
         QTest::keyClicks(sol->Zone(), "-5");
       },
       -29.55, 23.44},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_NEAR(longitude(window.Xpi() + sun.width() / 2), step.sun_lon, 0.3);
    EXPECT_NEAR(latitude(window.Ypi() + sun.height() / 2), step.sun_lat, 0.3);
    const std::vector<double> equator = Crossings(window.Pools(), map.Yc);
    ASSERT_EQ(equator.size(), 2u);
    EXPECT_NEAR(longitude((equator[0] + equator[1]) / 2), step.sun_lon, 1.0);
    EXPECT_NEAR(std::abs(longitude(equator[1]) - longitude(equator[0])), 180, 2.0);
    // The boundary is sampled on whole degrees of latitude.
    EXPECT_NEAR(latitude(LowestY(window.Pools())), step.sun_lat - 90, 1.2);
  }
  EXPECT_EQ(window.TimeZone(), -5.0f);
}

// Choosing Paris in the search draws the whole overlay for the new view: at
// 899' of latitude in 1080 pixels, 100 km (54') is over 600 twips, so the
// bar stands for 100 km; the Greenwich meridian lies 2.351° west of the
// centre; the curve is sampled one degree of longitude apart at the new scale.
TEST_F(IntegrationWindowTest, AChosenCityRedrawsTheOverlayForItsView) {
  WriteFile("Villes.txt", "; France\r\n048.857 -002.351 0 0 Paris\r\n; \r\n");
  MainWindow& window = Start(QSize(1920, 1080));
  ASSERT_EQ(window.ScaleBarWidget()->accessibleDescription(), "1000 km");
  SearchPanel* search = window.CitySearch();
  QTest::keyClicks(search->Query(), "par");
  search->Search()->click();
  QListWidget* names = search->Names();
  ASSERT_EQ(names->count(), 1);
  ClickRow(names, 0);
  const MapState& map = window.Map();
  ASSERT_EQ(map.ZOOMc, 899);
  EXPECT_EQ(window.Config()->ChosenCity()->text(), "Paris");
  EXPECT_FALSE(window.Config()->ChosenCity()->isHidden());
  EXPECT_EQ(window.ScaleBarWidget()->accessibleDescription(), "100 km");
  const PoolLine& greenwich = window.Pools().P[5];
  EXPECT_TRUE(greenwich.visible);
  EXPECT_NEAR(greenwich.X1, map.Xc - 2.351 * 60 * map.PasLong, 2);
  const DaylightCurve& curve = window.Daylight();
  EXPECT_NEAR(std::abs(curve.XCourbe1[101] - curve.XCourbe1[100]), 60 * map.PasLong, 1);
}

// "Afficher la zone nuit" cleared keeps the night lines off through
// everything that redraws or slides the overlay, and its check mark shows it.
TEST_F(IntegrationWindowTest, TheNightZoneStaysOffThroughRebuildsAndSlides) {
  MainWindow& window = Start();
  auto* mnuit = Find<QAction>(window, "MNUIT");
  ASSERT_TRUE(mnuit);
  const auto shown = [&] {
    int n = 0;
    for (const PoolLine& l : window.Pools().N) n += l.visible;
    return n;
  };
  ASSERT_GT(shown(), 100);
  mnuit->trigger();
  EXPECT_FALSE(mnuit->isChecked());
  EXPECT_EQ(shown(), 0);
  const std::function<void()> redraws[] = {
      [&] { window.RebuildMap(); },
      [&] { QTest::mouseClick(window.SunFrame()->UpDw(1), Qt::LeftButton); },
      [&] {
        stepping_.seconds += 3600;
        for (int i = 0; i < 43; ++i) Tick(window);
      },
      [&] { window.RedrawDaylight(); },
  };
  for (const auto& redraw : redraws) {
    redraw();
    EXPECT_EQ(shown(), 0);
    EXPECT_GT(std::count_if(window.Pools().L.begin(), window.Pools().L.end(), [](const PoolLine& l) { return l.visible; }), 300);
  }
  mnuit->trigger();
  EXPECT_TRUE(mnuit->isChecked());
  EXPECT_GT(shown(), 100);
}

}  // namespace
}  // namespace pellamar
