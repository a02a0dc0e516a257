#include "shell/view/main_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include "map/view/map_picture.h"
#include "shell/view/config_panel.h"
#include "solar/view/date_panel.h"
#include "support/pixels.h"
#include "support/window_fixture.h"

namespace pellamar {
namespace {

using testing::InkedPixels;

using MainWindowTest = testing::WindowTest;

// Faults: a wrong title or default zoom; the zone's sign or the date boxes from the wrong
// field; the layout or the centre not following a resize, or no rebuild; the outline choice
// not rebuilding, or a missing file unreported. Clicks on swapped or flipped axes, or not
// zooming in; the zoom option ignored; a right or middle click moving the map or not opening
// the popup on its place; "Reset" ignoring the keep box, or a wrong whole-world zoom or
// centre. A kept "Raf" of 0 not read; holds not nesting; the timer running without automatic
// refresh or kept off after a hold; a wrong period.
TEST_F(MainWindowTest, StartsResizesRecentresResetsAndRunsItsTimer) {
  WriteSquare(20, 20);  // a square around the equator from 20° W to 20° E, ±20°
  WriteFile("Villes.txt", "; \r\n");  // no city
  clock_ = FixedClock{{2007, 3, 21}, 12 * 3600, -5};
  settings_.Write("Config", "Raf", "0");
  MainWindow& window = Start();
  EXPECT_EQ(window.windowTitle(), "Pellamar");
  EXPECT_EQ(window.Map().ZOOMc, 13885);
  EXPECT_EQ(window.RebuildCount(), 1);
  EXPECT_FLOAT_EQ(window.TimeZone(), -5);
  DatePanel* sol = window.SunFrame();
  EXPECT_EQ(sol->Zone()->text() + ' ' + sol->Day()->text() + ' ' + sol->Month()->text(), "-5 21 3");
  EXPECT_TRUE(notice_.messages.empty());
  MapPicture* picture = window.Picture();
  const double twips = picture->TwipsPerPixel();
  QTest::mouseMove(picture, QPoint(picture->width() / 2, picture->height() / 2));
  for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    QTest::mouseClick(picture, button, Qt::NoModifier, QPoint(picture->width() / 2, picture->height() / 4));
    ASSERT_TRUE(window.PopupPlace().has_value());
    // A quarter of the picture's height above the centre: north, same meridian.
    EXPECT_NEAR(window.PopupPlace()->lat_deg, 13885.0 / 60 / 4, 0.5);
    EXPECT_NEAR(window.PopupPlace()->lon_east_deg, 0, 0.2);
    EXPECT_TRUE(Find<QMenu>(window, "Mlieu")->isVisible());
    Find<QMenu>(window, "Mlieu")->close();
  }
  EXPECT_EQ(window.RebuildCount(), 1);
  const MapState before = window.Map();
  const QPoint at(picture->width() * 3 / 4, picture->height() / 4);
  QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(window.RebuildCount(), 2);
  EXPECT_DOUBLE_EQ(window.Map().ZOOMc, before.ZOOMc / 2);
  // The click's distance from the middle, in minutes at the scales of the
  // map that was clicked: east and north of 0°, 0°.
  EXPECT_NEAR(window.Map().LONCENTD, (at.x() - picture->width() / 2.0) * twips / before.PasLong / 60, 1e-3);
  EXPECT_NEAR(window.Map().LATCENTD, (picture->height() / 2.0 - at.y()) * twips / before.Pas_Inter / 60, 1e-3);
  window.Config()->SetZoom(ZoomOption::Lock);
  QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(window.RebuildCount(), 3);
  EXPECT_DOUBLE_EQ(window.Map().ZOOMc, before.ZOOMc / 2);
  // "Reset" keeps the view with "Conserver cette carte", else shows the whole
  // world (√2 / 2.41 × 21600 minutes) on 0°, 0°; it rebuilds either way.
  const MapState moved = window.Map();
  for (const bool keep : {true, false}) {
    window.Config()->KeepMap()->setChecked(keep);
    QTest::mouseClick(window.Config()->Reset(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(window.Map().ZOOMc, keep ? moved.ZOOMc : 12675.109106746411);
    EXPECT_EQ(window.Map().LATCENTD, keep ? moved.LATCENTD : 0);
    EXPECT_EQ(window.Map().LONCENTD, keep ? moved.LONCENTD : 0);
  }
  EXPECT_EQ(window.RebuildCount(), 5);
  EXPECT_NEAR(window.Map().Xc, picture->width() * twips / 2, 0.01);
  window.resize(1000, 700);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(window.RebuildCount(), 6);
  EXPECT_NEAR(picture->width(), window.Layout().picture1.width / twips, 1);
  EXPECT_NEAR(window.Map().Xc, picture->width() * twips / 2, 1);
  EXPECT_GT(InkedPixels(picture), 100);

  // "Contours précis": the four precise files are missing here, each one
  // reported once, and the map still rebuilds.
  QTest::mouseClick(Find<QRadioButton>(*window.Config(), "Option2_0"), Qt::LeftButton);
  EXPECT_EQ(window.RebuildCount(), 7);
  ASSERT_EQ(notice_.messages.size(), 4u);
  EXPECT_EQ(notice_.messages[0], "Erreur à l'ouverture du fichier: Iles.Asc");

  EXPECT_FALSE(window.Timer()->isActive());
  QCheckBox* raf = window.Config()->AutoRefresh();
  QTest::mouseClick(raf, Qt::LeftButton, Qt::NoModifier, QPoint(5, raf->height() / 2));
  EXPECT_TRUE(window.Timer()->isActive());
  EXPECT_EQ(window.Timer()->interval(), 800);
  {
    MainWindow::TimerHold outer(window);
    { MainWindow::TimerHold inner(window); }
    EXPECT_FALSE(window.Timer()->isActive());  // holds nest
  }
  EXPECT_TRUE(window.Timer()->isActive());
  QTest::mouseClick(raf, Qt::LeftButton, Qt::NoModifier, QPoint(5, raf->height() / 2));
  EXPECT_FALSE(window.Timer()->isActive());
}

}  // namespace
}  // namespace pellamar
