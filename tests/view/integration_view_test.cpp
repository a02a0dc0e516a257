// The features working together in one window: the refresh tick moving the
// overlay with the Sun, the date controls, the panels floating on the map.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <functional>

#include "map/view/map_picture.h"
#include "shell/view/config_panel.h"
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
  // Ticks of "Rafraichissement automatique", as the timer delivers them.
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) ASSERT_TRUE(QMetaObject::invokeMethod(window_->Timer(), "timeout"));
  }
  int Shown(const std::vector<PoolLine>& pool) const {
    return static_cast<int>(std::count_if(pool.begin(), pool.end(), [](const PoolLine& l) { return l.visible; }));
  }
  // Degrees east and north of a map point, for the whole world centred on 0°, 0°.
  double Longitude(double x) const { return (x - window_->Map().Xc) / (60 * window_->Map().PasLong); }
  double Latitude(double y) const { return -(y - window_->Map().Yc) / (60 * window_->Map().Pas_Inter); }

  SteppingClock stepping_;
};

// Faults: no slide before the count is due, a slide the wrong way or by
// another distance, a night line left behind; the clock or the counters'
// tooltip not redrawn by the tick.
TEST_F(IntegrationWindowTest, TheTickSlidesTheOverlayWithTheSunMarker) {
  MainWindow& window = Start();
  ASSERT_EQ(window.Map().ZOOMc, 13885);  // the whole world: a slide every 42 ticks
  const LinePools before = window.Pools();
  const double old_Xpi = window.Xpi();
  window.SunFrame()->Clock()->clear();
  Tick();
  // 09:00 UT on 0° less the equation of time read off the transit (12:01:46).
  EXPECT_EQ(window.SunFrame()->Clock()->text(), "08:58");
  EXPECT_EQ(window.SunFrame()->ZoneCaption()->toolTip(), "0/30 : 0/1000 ");
  stepping_.seconds += 3600;
  Tick(41);
  EXPECT_EQ(window.Xpi(), old_Xpi);
  Tick();
  // 15° of longitude an hour, less the equation of time's drift.
  const double moved = window.Xpi() - old_Xpi;
  EXPECT_NEAR(moved, -900 * window.Map().PasLong, 2 * window.Map().PasLong);
  const LinePools& after = window.Pools();
  for (std::size_t j = 0; j < kDaylightLines; ++j) {
    SCOPED_TRACE(j);
    EXPECT_NEAR(after.L[j].X1 - before.L[j].X1, moved, 1);
    EXPECT_NEAR(after.L[j].X2 - before.L[j].X2, moved, 1);
    EXPECT_NEAR(after.N[j].X1 - before.N[j].X1, moved, 1);
    EXPECT_EQ(after.L[j].Y1, before.L[j].Y1);
  }
  EXPECT_EQ(window.Ticks().Occur, 1);
  EXPECT_EQ(window.Ticks().Occur2, 43);
}

// Faults: a redraw not starting the count afresh; no rebuild on the 1001st
// tick, or one sooner; the timer left stopped after it.
TEST_F(IntegrationWindowTest, RedrawsResetTheCountersAndTheThousandAndFirstTickRebuilds) {
  MainWindow& window = Start();
  Tick(30);
  QTest::mouseClick(window.SunFrame()->UpDw(1), Qt::LeftButton);
  EXPECT_EQ(window.Ticks().Occur, 0);
  EXPECT_EQ(window.Ticks().Occur2, 0);
  Tick(1000);
  EXPECT_EQ(window.RebuildCount(), 1);
  Tick();
  EXPECT_EQ(window.RebuildCount(), 2);
  EXPECT_EQ(window.Ticks().Occur2, 0);
  EXPECT_TRUE(window.Timer()->isActive());
}

// Faults: the dials panel not painting its face over the map; dials redrawn
// while hidden but not when shown again.
TEST_F(IntegrationWindowTest, TheDialsPanelHidesTheMapAndShowsThePlaceReadOutWhileHidden) {
  MainWindow& window = Start();
  SunDialsPanel* dials = window.SunDials();
  const QImage shown = window.Picture()->grab().toImage();
  const QRgb panel = dials->palette().color(QPalette::Window).rgb();
  ASSERT_NE(panel, qRgb(255, 255, 255));
  // Points of the caption row right of each caption's text.
  const QPoint row = dials->geometry().topLeft() + QPoint(0, dials->Label35().geometry().center().y());
  EXPECT_EQ(shown.pixel(row + QPoint(dials->Label35().geometry().right() - 3, 0)), panel);
  EXPECT_EQ(shown.pixel(row + QPoint(dials->Label36().geometry().right() - 3, 0)), panel);

  window.Timer()->stop();  // no tick redraws them behind the test's back
  QAction* msoleil = Find<QAction>(window, "Msoleil");
  const QLabel& azimuth = dials->Label35();
  const double w = window.Picture()->Canvas().WidthTwips(), h = window.Picture()->Canvas().HeightTwips();
  window.ReadOut(w * 0.8, h * 0.5);
  const QString east = azimuth.text();
  window.ReadOut(w * 0.2, h * 0.5);
  ASSERT_NE(azimuth.text(), east);
  msoleil->trigger();
  ASSERT_TRUE(dials->isHidden());
  window.ReadOut(w * 0.8, h * 0.5);
  msoleil->trigger();
  ASSERT_FALSE(dials->isHidden());
  EXPECT_EQ(azimuth.text(), east);
}

// Faults: the Sun image raised over a floating panel, so that a click on
// the panel re-centres the map on the Sun.
TEST_F(IntegrationWindowTest, TheSunImageLiesUnderEveryFloatingPanel) {
  MainWindow& window = Start();
  QWidget* map = window.Picture();
  QWidget* sun = window.SunImage();
  const std::function<void()> open[] = {[] {}, [&] { window.OpenCountryList(); }, [&] { window.OpenColourPanel(); }};
  QWidget* panels[] = {window.SunDials(), Find<QFrame>(window, "Frame2"), window.ColourFrame()};
  for (int i = 0; i < 3; ++i) {
    QWidget* panel = panels[i];
    SCOPED_TRACE(i);
    open[i]();
    ASSERT_TRUE(panel->isVisible());
    const QPoint inside = panel->geometry().center();
    sun->move(inside - QPoint(sun->width() / 2, sun->height() / 2));
    QWidget* hit = map->childAt(inside);
    EXPECT_TRUE(hit == panel || panel->isAncestorOf(hit));
    panel->hide();
  }
}

// The date and zone controls move the Sun image and the curve together.
// 21 June 2007, declination 23.44°, equation of time -1.8 min; 21 May 2007,
// 20.1° and +3.5 min (almanac). At 09:00 UT the Sun stands over 45.45° E
// (44.1° E in May); at 14:00 UT (zone -5, same clock) over 29.55° W.
// Faults: the image placed by its corner, x and y swapped; a control not
// redrawing the curve or not moving the image.
TEST_F(IntegrationWindowTest, DateAndZoneControlsMoveTheSunAndTheCurveTogether) {
  MainWindow& window = Start();
  const MapState& map = window.Map();
  ASSERT_EQ(map.LATCENTD, 0.0f);
  const SunMarker* sun = window.SunImage();
  const double tpp = window.Picture()->TwipsPerPixel();
  DatePanel* sol = window.SunFrame();
  const struct {
    std::function<void()> act;
    double sun_lon, sun_lat;
  } steps[] = {
      {[] {}, 45.45, 23.44},
      {[&] { QTest::mouseClick(sol->UpDw(2), Qt::LeftButton); }, 44.1, 20.1},
      {[&] { QTest::mouseClick(window.Config()->Today(), Qt::LeftButton); }, 45.45, 23.44},
      {[&] {
         sol->Zone()->selectAll();
         QTest::keyClicks(sol->Zone(), "-5");
       },
       -29.55, 23.44},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.sun_lon);
    step.act();
    // The image's middle, in whole pixels: a pixel is a third of a degree.
    EXPECT_NEAR(Longitude((sun->x() + sun->width() / 2.0) * tpp), step.sun_lon, 0.45);
    EXPECT_NEAR(Latitude((sun->y() + sun->height() / 2.0) * tpp), step.sun_lat, 0.45);
    // The curve crosses the equator 90° either side of the Sun, and reaches
    // 90° - declination south (sampled on whole degrees of latitude).
    std::vector<double> equator;
    double lowest = -1e30;
    for (const PoolLine& l : window.Pools().L) {
      if (!l.visible) continue;
      lowest = std::max<double>(lowest, l.Y1);
      if ((l.Y1 <= map.Yc) != (l.Y2 <= map.Yc)) equator.push_back(l.X1 + (map.Yc - l.Y1) * (l.X2 - l.X1) / (l.Y2 - l.Y1));
    }
    ASSERT_EQ(equator.size(), 2u);
    EXPECT_NEAR(Longitude((equator[0] + equator[1]) / 2), step.sun_lon, 1.0);
    EXPECT_NEAR(std::abs(Longitude(equator[1]) - Longitude(equator[0])), 180, 2.0);
    EXPECT_NEAR(Latitude(lowest), step.sun_lat - 90, 1.2);
  }
}

// Faults: the night lines brought back by a rebuild, a date step, a slide
// or a redraw after "Afficher la zone nuit" was cleared; its check mark.
TEST_F(IntegrationWindowTest, TheNightZoneStaysOffThroughRebuildsAndSlides) {
  MainWindow& window = Start();
  QAction* mnuit = Find<QAction>(window, "MNUIT");
  mnuit->trigger();
  EXPECT_FALSE(mnuit->isChecked());
  EXPECT_EQ(Shown(window.Pools().N), 0);
  const std::function<void()> redraws[] = {
      [&] { window.RebuildMap(); },
      [&] { QTest::mouseClick(window.SunFrame()->UpDw(1), Qt::LeftButton); },
      [&] {
        stepping_.seconds += 3600;
        Tick(43);
      },
      [&] { window.RedrawDaylight(); },
  };
  for (const auto& redraw : redraws) {
    redraw();
    EXPECT_EQ(Shown(window.Pools().N), 0);
    EXPECT_GT(Shown(window.Pools().L), 300);
  }
  mnuit->trigger();
  EXPECT_TRUE(mnuit->isChecked());
  EXPECT_GT(Shown(window.Pools().N), 100);
}

}  // namespace
}  // namespace pellamar
