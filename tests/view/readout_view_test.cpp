// What the user reads after pointer moves, clicks and edits of the date and
// zone boxes, in the real window offscreen.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

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
  // A window on the kept centre (hundredths of a degree) at the clock's
  // instant, its dials in the French decimal separator.
  MainWindow& StartAt(const FixedClock& clock, const char* lat, const char* lon) {
    clock_ = clock;
    settings_.Write("Config", "LATCENTD", lat);
    settings_.Write("Config", "LONCENTD", lon);
    window_ = std::make_unique<MainWindow>(Services());
    window_->SunDials()->setLocale(QLocale(QLocale::French, QLocale::France));
    window_->StartUp(QSize(1200, 800));
    return *window_;
  }
  DatePanel& Sol() { return *window_->SunFrame(); }
  // Types `text` into the box as one edit, as a paste.
  static void Type(QLineEdit* box, const char* text) {
    box->selectAll();
    box->insert(QString::fromUtf8(text));
  }
  // A move sent as is: QTest takes a move to (0, 0) for one to the middle.
  static void Move(QWidget* widget, QPointF at) {
    QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
};

// Faults: a label wired to another time or caption; the dials given an
// east-positive longitude or the latitude for the longitude; the decimal
// point forced; the message not following the day.
TEST_F(ReadoutWindowTest, TheCentreIsReadOutAfterEachRebuild) {
  // Worked by hand from the ephemeris: on 21 March 2007 at 12:00 UT the Sun
  // is at declination 0.19422°, Greenwich hour angle 358.17847°; on 21 June
  // at 23.4382°, about 359.56°. NOAA's solar position algorithm gives 184.116°
  // and 64.545° at Paris in June. The centre is kept as 32-bit floats: 48.85
  // is 48.849998°, whose truncated minutes are 50'. Solar clock: 12:00 UT
  // plus the longitude (4 min a degree) plus the equation of time.
  const struct {
    FixedClock clock;
    const char *lat, *lon, *shown;
  } cases[] = {
      {{{2007, 3, 21}, 12 * 3600, 0}, "0", "0",
       "S00°00'\nE00°00'| Azimut = 83,91 °| He: 88,17 °|06:03|12:07:11|18:10|(hidden)|11:53"},
      {{{2007, 6, 21}, 12 * 3600, 0}, "4885", "235",
       "N48°50'\nE02°21'| Azimut = 184,12 °| He: 64,54 °|03:46|11:52:21|19:57|(hidden)|12:08"},
      {{{2007, 6, 21}, 12 * 3600, 0}, "8000", "0",
       "N80°00'\nE00°00'| Azimut = 179,54 °| He: 33,44 °|---|12:01:46|---|Le Soleil ne se couche pas !|11:58"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lat);
    MainWindow& w = StartAt(c.clock, c.lat, c.lon);
    const QLabel* message = Sol().Message();
    const QStringList shown = {Sol().Position()->text(), w.SunDials()->Label35().text(),
                               w.SunDials()->Label36().text(), Sol().Sunrise()->text(),
                               Sol().Transit()->text(), Sol().Sunset()->text(),
                               message->isHidden() ? "(hidden)" : message->text(), Sol().Clock()->text()};
    EXPECT_EQ(shown.join('|').toStdString(), c.shown);
  }
}

// Faults: the image's offset taken from its centre, in pixels, x and y
// swapped or left out; a click on the image centring elsewhere or twice;
// a margin, caption or right click closing the dials; a click reaching the
// map; Label7 hidden on the left button only; a right or middle click
// rebuilding the map.
TEST_F(ReadoutWindowTest, APointerOnTheSunImageReadsFromItsTopLeftCorner) {
  MainWindow& w = StartAt({{2007, 6, 21}, 15 * 3600, 0}, "0", "0");
  w.Config()->SetZoom(ZoomOption::Lock);
  SunMarker* sun = w.SunImage();
  const double twips = w.Picture()->TwipsPerPixel();
  const auto read_at = [&w](double x, double y) {
    w.ReadOut(x, y);
    return std::pair(w.FPo(), w.LPo());
  };
  Move(sun, QPointF(0, 0));
  const auto corner = std::pair(w.FPo(), w.LPo());
  const QString corner_azimuth = w.SunDials()->Label35().text();
  EXPECT_EQ(corner, read_at(w.Xpi(), w.Ypi()));
  Move(sun, QPointF(10, 20));
  QCoreApplication::processEvents();  // the second move of a burst waits for the loop
  const auto moved = std::pair(w.FPo(), w.LPo());
  EXPECT_NE(w.SunDials()->Label35().text(), corner_azimuth);
  EXPECT_EQ(moved, read_at(w.Xpi() + 10 * twips, w.Ypi() + 20 * twips));
  EXPECT_NE(moved, read_at(w.Xpi() + 20 * twips, w.Ypi() + 10 * twips));
  // A click centres on the corner's place, once: the map does not see it.
  QTest::mouseClick(sun, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(w.RebuildCount(), 2);
  EXPECT_NEAR(w.Map().LATCENTD, corner.first, 1e-4);
  EXPECT_NEAR(w.Map().LONCENTD, -corner.second, 1e-4);

  SunDialsPanel* dials = w.SunDials();
  QTest::mouseClick(dials, Qt::LeftButton, Qt::NoModifier, QPoint(2, dials->height() - 2));
  QTest::mouseClick(&dials->Label35(), Qt::LeftButton);
  QTest::mouseClick(&dials->PicAZ(), Qt::RightButton);
  EXPECT_FALSE(dials->isHidden());
  QTest::mouseClick(&dials->PicHE(), Qt::LeftButton);
  EXPECT_TRUE(dials->isHidden());
  EXPECT_FALSE(w.SunDialsChecked());
  EXPECT_EQ(w.RebuildCount(), 2);

  // Every button on the map hides Label7; only the left one rebuilds.
  QLabel* label7 = w.Config()->ChosenCity();
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
    SCOPED_TRACE(button);
    label7->show();
    const int rebuilds = w.RebuildCount();
    QTest::mouseClick(w.Picture(), button, Qt::NoModifier, QPoint(40, 30));
    EXPECT_TRUE(label7->isHidden());
    EXPECT_EQ(w.RebuildCount(), rebuilds + (button == Qt::LeftButton));
  }
}

// Faults: the program's own writes starting the date handling, a box's
// edits not starting it; a button stepping the wrong box or way; no
// read-out for the new date; "Aujourd'hui" not reading the clock. The
// locator box not recolouring Label2 or itself, or re-reading at once; the
// caption or the times not following the local-time box, or the overlay not
// redrawn by it. Every move read out at once, or the first of a burst kept;
// the dial captions not following the pointer.
TEST_F(ReadoutWindowTest, TheDateAndReadOutBoxesAndThePointerSwitchTheReadOut) {
  MainWindow& w = StartAt({{2007, 6, 21}, 12 * 3600, 0}, "4885", "235");  // Paris
  Sol().Month()->setText("12");
  Sol().Day()->setText("20");
  EXPECT_EQ(Sol().Transit()->text(), "11:52:21");  // still 21 June
  Sol().Day()->setText("21");
  Sol().Month()->selectAll();
  QTest::keyClicks(Sol().Month(), "12");
  EXPECT_EQ(Sol().Transit()->text(), "11:48:41");  // 21 December
  const char* stepped[4] = {"14/6", "16/6", "15/5", "15/7"};
  for (int i = 0; i < 4; ++i) {
    Sol().Day()->setText("15");
    Sol().Month()->setText("6");
    QTest::mouseClick(Sol().UpDw(i), Qt::LeftButton);
    EXPECT_EQ(Sol().Day()->text() + '/' + Sol().Month()->text(), stepped[i]) << i;
  }
  EXPECT_EQ(Sol().Transit()->text(), "11:56:34");  // 15 July: equation of time -6 min
  QTest::mouseClick(w.Config()->Today(), Qt::LeftButton);
  EXPECT_EQ(Sol().Day()->text() + '/' + Sol().Month()->text(), "21/6");
  EXPECT_EQ(Sol().Transit()->text(), "11:52:21");

  // The locator and local-time boxes.
  QCheckBox* qra = w.Config()->Qra();
  QLabel* position = Sol().Position();
  const QColor navy(0, 0, 128), rust(192, 64, 0);
  EXPECT_EQ(position->palette().color(QPalette::WindowText), navy);
  QTest::mouseClick(qra, Qt::LeftButton);
  EXPECT_EQ(position->palette().color(QPalette::WindowText), rust);
  EXPECT_EQ(qra->palette().color(QPalette::WindowText), rust);
  EXPECT_EQ(position->text(), "N48°50'\nE02°21'");
  w.ReadOut(w.Map().Xc, w.Map().Yc);
  EXPECT_EQ(position->text(), "JN18EU\nN48°51'00\"\nE02°21'00\"");
  QTest::mouseClick(qra, Qt::LeftButton);
  EXPECT_EQ(qra->palette().color(QPalette::WindowText), navy);
  EXPECT_EQ(position->palette().color(QPalette::WindowText), navy);
  QCheckBox* hloc = w.Config()->LocalTime();
  EXPECT_EQ(Sol().TimeBase()->text(), "Heure Locale");
  Type(Sol().Zone(), "2");
  ASSERT_TRUE(QMetaObject::invokeMethod(w.Timer(), "timeout"));
  QTest::mouseClick(hloc, Qt::LeftButton);
  EXPECT_EQ(w.Ticks().Occur2, 0);  // the click redraws the overlay, which restarts the count
  EXPECT_EQ(Sol().TimeBase()->text(), "TU");
  EXPECT_EQ(Sol().Transit()->text(), "11:52:21");
  QTest::mouseClick(hloc, Qt::LeftButton);
  EXPECT_EQ(Sol().TimeBase()->text(), "Heure Locale");
  EXPECT_EQ(Sol().Transit()->text(), "13:52:21");

  // A burst of moves is read out once, at its last point.
  MapPicture* picture = w.Picture();
  const QString centre_azimuth = w.SunDials()->Label35().text();
  const int cx = picture->width() / 2;
  Move(picture, QPointF(cx, 10));  // read out at once
  const QString first = position->text();
  EXPECT_NE(first, "N48°50'\nE02°21'");
  EXPECT_NE(w.SunDials()->Label35().text(), centre_azimuth);
  Move(picture, QPointF(cx, picture->height() / 3));
  Move(picture, QPointF(cx, picture->height() - 10));
  EXPECT_EQ(position->text(), first);
  QCoreApplication::processEvents();
  const QString last = position->text(), last_azimuth = w.SunDials()->Label35().text();
  EXPECT_TRUE(last.startsWith('S')) << last.toStdString();
  w.ReadOut(cx * picture->TwipsPerPixel(), (picture->height() - 10) * picture->TwipsPerPixel());
  EXPECT_EQ(position->text(), last);
  EXPECT_EQ(w.SunDials()->Label35().text(), last_azimuth);
}

// Faults: a lone "-" refused, bad text or the wrong separator taken, the
// zone not shown with the user's separator or not reaching the clock.
TEST_F(ReadoutWindowTest, TheZoneBoxReadsTheUsersSeparatorAndPutsBackWhatItCannotRead) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  MainWindow& w = StartAt({{2007, 6, 21}, 12 * 3600, 5.75}, "4885", "235");
  QLineEdit* zone = Sol().Zone();
  EXPECT_EQ(zone->text(), "5,75");
  Type(zone, "-");
  EXPECT_EQ(zone->text(), "-");
  EXPECT_EQ(w.TimeZone(), 5.75f);
  Type(zone, "-3,5");
  EXPECT_EQ(w.TimeZone(), -3.5f);
  for (const char* bad : {"-3.5", "", "1e30", "nan", "15", "abc"}) {
    SCOPED_TRACE(bad);
    Type(zone, bad);
    EXPECT_EQ(zone->text(), "-3,5");
    EXPECT_EQ(w.TimeZone(), -3.5f);
  }
  // 08:30 in zone -3.5 is 12:00 UT.
  clock_ = FixedClock({2007, 6, 21}, 8 * 3600 + 1800, -3.5);
  w.ReadOut(w.Map().Xc, w.Map().Yc);
  EXPECT_EQ(Sol().Clock()->text(), "12:08");
  Sol().Clock()->clear();
  ASSERT_TRUE(QMetaObject::invokeMethod(w.Timer(), "timeout"));  // the tick redraws it alike
  EXPECT_EQ(Sol().Clock()->text(), "12:08");
  window_.reset();
  QLocale::setDefault(before);
}

// Faults: a caption clipped, out of its frame or overlapping another (at
// 96 dpi); a caption, tooltip or accessible description misplaced.
TEST_F(ReadoutWindowTest, EveryCaptionOfTheTopPanelsIsWhole) {
  MainWindow& w = Start(QSize(1920, 1040));
  if (w.logicalDpiY() != 96) GTEST_SKIP() << "laid out for 96 dpi";
  Sol().Message()->setText("Le Soleil ne se couche pas !");
  Sol().Message()->show();
  int checked = 0;
  for (QFrame* panel : {static_cast<QFrame*>(w.Config()), static_cast<QFrame*>(w.SunFrame())}) {
    std::vector<QWidget*> shown;
    for (QWidget* widget : panel->findChildren<QWidget*>()) {
      auto* label = qobject_cast<QLabel*>(widget);
      auto* button = qobject_cast<QAbstractButton*>(widget);
      const QString caption = label ? label->text() : button ? button->text() : QString();
      if (widget->isHidden() || caption.isEmpty() || widget->objectName() == "Label7") continue;
      SCOPED_TRACE(caption.toStdString());
      // A push button's hint holds wide margins; its caption needs less.
      const int needed = qobject_cast<QPushButton*>(widget)
                             ? widget->fontMetrics().horizontalAdvance(caption) + 6
                             : widget->sizeHint().width();
      EXPECT_TRUE(widget->parentWidget()->contentsRect().contains(widget->geometry()));
      EXPECT_LE(needed, widget->width());
      EXPECT_GE(widget->height(), widget->fontMetrics().height());
      for (QWidget* other : shown) {
        if (other->parentWidget() == widget->parentWidget())
          EXPECT_FALSE(other->geometry().intersects(widget->geometry())) << other->objectName().toStdString();
      }
      shown.push_back(widget);
      ++checked;
    }
  }
  EXPECT_GE(checked, 25);
  EXPECT_EQ(Sol().Zone()->toolTip(), "Votre fuseau horaire (décalage avec TU)");
  EXPECT_EQ(Sol().ZoneCaption()->text(), "Fuseau");
  // Captions "-" "+" "-" "+"; a screen reader hears which box each steps.
  QString steps;
  for (int i = 0; i < 4; ++i) steps += Sol().UpDw(i)->text() + Sol().UpDw(i)->accessibleDescription() + ' ';
  EXPECT_EQ(steps.toStdString(), "-jour +jour -mois +mois ");
}

}  // namespace
}  // namespace pellamar
