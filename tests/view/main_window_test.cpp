#include "shell/view/main_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "map/view/map_picture.h"
#include "platform/leading_number.h"
#include "shell/view/config_panel.h"
#include "solar/view/date_panel.h"
#include "solar/view/dial_picture.h"
#include "solar/view/sun_dials_panel.h"
#include "solar/view/sun_marker_widget.h"
#include "support/pixels.h"
#include "support/window_fixture.h"

namespace pellamar {
namespace {

using testing::InkedPixels;

class MainWindowTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteSquare(20, 20);  // a square around the equator from 20° W to 20° E, ±20°
    WriteFile("Villes.txt", "; \r\n");  // no city
    clock_ = FixedClock{{2007, 3, 21}, 12 * 3600, -5};
  }
};

TEST_F(MainWindowTest, StartsWithTheDefaultsAndDrawsTheWorld) {
  MainWindow& window = Start();
  EXPECT_EQ(window.windowTitle(), "Pellamar");
  EXPECT_EQ(window.Map().ZOOMc, 13885);
  EXPECT_EQ(window.Map().LATCENTD, 0);
  EXPECT_EQ(window.Map().LONCENTD, 0);
  EXPECT_TRUE(HasScales(window.Map()));
  EXPECT_EQ(window.RebuildCount(), 1);
  EXPECT_TRUE(notice_.messages.empty());
  EXPECT_GT(InkedPixels(window.Picture()), 100);
  // The time zone is the signed offset; the date boxes show the clock's date.
  EXPECT_FLOAT_EQ(window.TimeZone(), -5);
  EXPECT_EQ(window.SunFrame()->Zone()->text(), "-5");
  EXPECT_EQ(window.SunFrame()->Day()->text(), "21");
  EXPECT_EQ(window.SunFrame()->Month()->text(), "3");
  // Every box checked on a first start, so the timer runs.
  EXPECT_TRUE(window.Timer()->isActive());
}

TEST_F(MainWindowTest, ClickingTheMapRecentresZoomsAndRedraws) {
  MainWindow& window = Start();
  const MapState before = window.Map();
  const int inked_before = InkedPixels(window.Picture());
  // A click a quarter of the picture to the right and up.
  MapPicture* picture = window.Picture();
  const QPoint at(picture->width() * 3 / 4, picture->height() / 4);
  QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(window.RebuildCount(), 2);
  EXPECT_DOUBLE_EQ(window.Map().ZOOMc, before.ZOOMc / 2);
  // The click's distance from the middle, in minutes at the scales of the
  // map that was clicked: east and north of 0°, 0°.
  const double twips = picture->TwipsPerPixel();
  EXPECT_NEAR(window.Map().LONCENTD, (at.x() - picture->width() / 2.0) * twips / before.PasLong / 60, 1e-3);
  EXPECT_NEAR(window.Map().LATCENTD, (picture->height() / 2.0 - at.y()) * twips / before.Pas_Inter / 60, 1e-3);
  // Zoomed in twice as close: the square covers more of the picture.
  EXPECT_NE(InkedPixels(window.Picture()), inked_before);
}

TEST_F(MainWindowTest, LockedZoomOnlyRecentresAndTheOutlineChoiceRebuilds) {
  MainWindow& window = Start();
  window.Config()->SetZoom(ZoomOption::Lock);
  QTest::mouseClick(window.Picture(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(window.Map().ZOOMc, 13885);
  // "Contours précis": the four precise files are missing here, each one
  // reported once, and the map still rebuilds.
  auto* precise = window.Config()->findChild<QRadioButton*>("Option2_0");
  ASSERT_NE(precise, nullptr);
  const int rebuilds = window.RebuildCount();
  QTest::mouseClick(precise, Qt::LeftButton);
  EXPECT_EQ(window.RebuildCount(), rebuilds + 1);
  EXPECT_EQ(notice_.messages.size(), 4u);
  EXPECT_EQ(notice_.messages[0], "Erreur à l'ouverture du fichier: Iles.Asc");
}

TEST_F(MainWindowTest, ARightClickKeepsThePlaceWithoutMovingTheMap) {
  MainWindow& window = Start();
  MapPicture* picture = window.Picture();
  QTest::mouseMove(picture, QPoint(picture->width() / 2, picture->height() / 2));
  QTest::mouseClick(picture, Qt::RightButton, Qt::NoModifier, QPoint(picture->width() / 2, 0));
  ASSERT_TRUE(window.PopupPlace().has_value());
  EXPECT_GT(window.PopupPlace()->lat_deg, 0);
  EXPECT_NEAR(window.PopupPlace()->lon_east_deg, 0, 0.2);
  EXPECT_EQ(window.RebuildCount(), 1);
}

TEST_F(MainWindowTest, KeptSettingsAreReadAndQuittingWritesThem) {
  settings_.Write("Config", "LATCENTD", "4567.8");
  settings_.Write("Config", "lonCentD", "-1250");
  settings_.Write("Config", "Zoom", "899");
  settings_.Write("Config", "Raf", "0");
  {
    MainWindow& window = Start(QSize(1200, 800), true);
    EXPECT_FLOAT_EQ(window.Map().LATCENTD, 45.678f);
    EXPECT_FLOAT_EQ(window.Map().LONCENTD, -12.5f);
    EXPECT_EQ(window.Map().ZOOMc, 899);
    EXPECT_FALSE(window.Timer()->isActive());
    QTest::mouseClick(window.Picture(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(window.Picture()->width() / 2, window.Picture()->height() / 2));
    window.close();
    window_.reset();
  }
  EXPECT_EQ(settings_.Read("Config", "Zoom", ""), "449.5");
  EXPECT_EQ(settings_.Read("Config", "MEM", ""), "1");
  EXPECT_EQ(settings_.Read("Config", "Raf", ""), "0");
  // The centre, × 100, where the click at the middle left it (a pixel is
  // under a fifth of a degree at zoom 899).
  EXPECT_NEAR(LeadingNumber(settings_.Read("Config", "LATCENTD", "")), 4567.8, 20);
  EXPECT_NEAR(LeadingNumber(settings_.Read("Config", "LONCENTD", "")), -1250, 20);
}

TEST_F(MainWindowTest, TheTimerStopsWhileAnythingHoldsItAndOnlyWithAutomaticRefresh) {
  MainWindow& window = Start();
  ASSERT_TRUE(window.Timer()->isActive());
  {
    MainWindow::TimerHold outer(window);
    EXPECT_FALSE(window.Timer()->isActive());
    { MainWindow::TimerHold inner(window); }
    EXPECT_FALSE(window.Timer()->isActive());  // holds nest
  }
  EXPECT_TRUE(window.Timer()->isActive());
  window.Config()->AutoRefresh()->click();  // unchecked by the user
  EXPECT_FALSE(window.Timer()->isActive());
}

TEST_F(MainWindowTest, ResizingTheWindowLaysOutAndRedrawsTheMap) {
  MainWindow& window = Start();
  const int rebuilds = window.RebuildCount();
  window.resize(1000, 700);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(window.RebuildCount(), rebuilds + 1);
  EXPECT_NEAR(window.Picture()->width(), window.Layout().picture1.width / window.Picture()->TwipsPerPixel(), 1);
  EXPECT_NEAR(window.Map().Xc, window.Picture()->width() * window.Picture()->TwipsPerPixel() / 2, 1);
  EXPECT_GT(InkedPixels(window.Picture()), 100);
}

}  // namespace
}  // namespace pellamar
