#include <gtest/gtest.h>

#include <QFontMetrics>

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "map/view/map_picture.h"
#include "overlays/view/colour_panel.h"
#include "overlays/view/pool_painter.h"
#include "overlays/view/scale_bar_picture.h"
#include "shell/view/config_panel.h"
#include "shell/view/main_window.h"
#include "solar/view/date_panel.h"
#include "support/pixels.h"
#include "support/window_fixture.h"

namespace pellamar {
namespace {

using testing::CountColour;
using testing::Pixel;

PoolLine Line(float x1, float y1, float x2, float y2, Colour colour, PenMode pen, int width = 1,
              LineStyle style = LineStyle::Solid) {
  PoolLine l;
  l.X1 = x1, l.Y1 = y1, l.X2 = x2, l.Y2 = y2;
  l.colour = colour;
  l.visible = true;
  l.pen = pen;
  l.width = width;
  l.style = style;
  return l;
}

// Catches OR for AND in the mask pen, the pools painted in the wrong order,
// red and blue swapped, hidden lines painted, a one-pixel curve, a solid dot.
TEST(PoolPainterTest, TheMaskPenTintsWhiteKeepsBlackAndTheCurveCoversTheNightLines) {
  // White on the left half, black on the right; one twip a pixel.
  QImage image(40, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 0; y < 20; ++y) {
    for (int x = 20; x < 40; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
  }
  const Colour yellow = Rgb(240, 240, 0), red = Rgb(255, 0, 0), green = 0x008000;
  LinePools pools;
  pools.N = {Line(0, 2, 39, 2, yellow, PenMode::Mask), Line(3, 0, 3, 19, yellow, PenMode::Mask),
             Line(0, 15, 39, 15, Rgb(9, 9, 9), PenMode::Mask)};
  pools.N[2].visible = false;
  pools.L = {Line(0, 8, 39, 8, red, PenMode::Copy, 2)};
  pools.P = {Line(0, 12, 39, 12, green, PenMode::Mask, 1, LineStyle::Dotted)};
  PaintPools(image, pools, 1.0, image.rect());
  EXPECT_EQ(Pixel(image, 10, 2), qRgb(240, 240, 0) & 0xFFFFFF);  // white AND yellow
  EXPECT_EQ(Pixel(image, 30, 2), 0u);                           // black stays black
  EXPECT_EQ(Pixel(image, 30, 8), qRgb(255, 0, 0) & 0xFFFFFF);   // the copy pen covers black
  // The curve is painted last: where it crosses a night line it is pure red.
  EXPECT_EQ(Pixel(image, 3, 8), qRgb(255, 0, 0) & 0xFFFFFF);
  // Two pixels wide.
  EXPECT_EQ(CountColour(image.copy(30, 0, 1, 20), qRgb(255, 0, 0)), 2);
  // Dotted: one pixel on, one off, over the white half.
  const int on = CountColour(image.copy(0, 12, 20, 1), qRgb(0, 128, 0));
  EXPECT_GE(on, 9);
  EXPECT_LE(on, 11);
  EXPECT_NE(Pixel(image, 10, 12), Pixel(image, 11, 12));
  // A hidden line paints nothing.
  EXPECT_EQ(Pixel(image, 10, 15), 0xFFFFFFu);
}

// Catches a clip that drops a line whose ends both lie off the picture.
TEST(PoolPainterTest, FarOffEndPointsAreClippedNotLost) {
  QImage image(40, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  LinePools pools;
  pools.L = {Line(-1.0e9f, 10, 1.0e9f, 10, Rgb(255, 0, 0), PenMode::Copy)};
  PaintPools(image, pools, 1.0, image.rect());
  EXPECT_EQ(Pixel(image, 0, 10), qRgb(255, 0, 0) & 0xFFFFFF);
  EXPECT_EQ(Pixel(image, 39, 10), qRgb(255, 0, 0) & 0xFFFFFF);
}

// Catches the night lines or the pen width left out of the region a slide
// repaints: the bounds hold every visible curve and night line, pen and all.
TEST(PoolPainterTest, TheDaylightBoundsHoldTheCurveAndTheNightLines) {
  LinePools pools;
  pools.L = {Line(10, 10, 20, 10, 0, PenMode::Copy, 2), Line(-500, -500, 900, 900, 0, PenMode::Copy)};
  pools.L[1].visible = false;
  pools.N = {Line(30, 5, 30, 40, 0, PenMode::Mask)};
  pools.P = {Line(0, 100, 200, 100, 0, PenMode::Mask)};  // the parallels do not slide
  // Two twips a pixel; the widest pen (2) and one pixel more on each side.
  EXPECT_EQ(DaylightBounds(pools, 2.0), QRect(QPoint(5 - 3, 2 - 3), QPoint(15 + 3, 20 + 3)));
  EXPECT_EQ(DaylightBounds(LinePools{}, 2.0), QRect());
}

class OverlaysWindowTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteSquare(20, 20);  // a square around the equator from 20° W to 20° E, ±20°
    clock_ = FixedClock{{2007, 6, 21}, 12 * 3600, 0};  // 12:00 UT: declination 23.438
  }
};

int VisibleCount(const std::vector<PoolLine>& pool) {
  int n = 0;
  for (const PoolLine& l : pool) n += l.visible;
  return n;
}

// Catches an overlay not shown at start-up, a wrong scale bar caption, a bar
// cut short or its frame not resized with it, a larger label font.
TEST_F(OverlaysWindowTest, TheFirstMapShowsTheCurveTheNightZoneTheParallelsAndTheScale) {
  MainWindow& window = Start();
  const LinePools& pools = window.Pools();
  EXPECT_TRUE(window.NightZoneShown());
  EXPECT_EQ(VisibleCount(pools.L), 361);
  EXPECT_EQ(VisibleCount(pools.N), 361);
  EXPECT_EQ(VisibleCount(pools.P), 6 + 12);
  EXPECT_FALSE(pools.P[12].visible);
  // In northern summer the night lines run down to the bottom edge.
  EXPECT_EQ(pools.N[0].Y2, window.Picture()->Canvas().HeightTwips());

  const QImage shown = window.Picture()->grab().toImage();
  EXPECT_GT(CountColour(shown, qRgb(255, 0, 0)), 300);   // the curve
  EXPECT_GT(CountColour(shown, qRgb(240, 240, 0)), 1000);  // the night lines
  EXPECT_GT(CountColour(shown, qRgb(0, 128, 0)), 500);   // parallels, ticks, names

  // The whole world in 800 pixels: a 1000 km bar, no tenths.
  EXPECT_EQ(window.ScaleBarWidget()->accessibleDescription(), "1000 km");
  const ScaleBar bar = ComputeScaleBar(window.Map().Pas_Inter);
  // The designed width, or wider when the label would be clipped: the whole
  // "1000 km" is on the picture.
  const double tpp = window.Picture()->TwipsPerPixel();
  const QFontMetrics metrics(QFont(window.ScaleBarWidget()->font().family(), 8));
  EXPECT_GE(window.ScaleBarWidget()->width() + 1, bar.width / tpp);
  EXPECT_GE(window.ScaleBarWidget()->width(),
            ScaleBarLabelLeft(bar) / tpp + metrics.horizontalAdvance(QStringLiteral("1000 km")));
  EXPECT_LE(window.ScaleBarWidget()->width(),
            std::max(bar.width / tpp, ScaleBarLabelLeft(bar) / tpp + metrics.horizontalAdvance("1000 km")) + 3);
  EXPECT_EQ(window.ScaleBarWidget()->parentWidget()->width(), window.ScaleBarWidget()->width());
  EXPECT_GT(CountColour(window.ScaleBarWidget()->grab().toImage(), qRgb(255, 0, 0)), 5);
}

// Catches a box left uncorrected, a redraw that runs with the curve off, the
// chosen city's name left shown by a redraw.
TEST_F(OverlaysWindowTest, TheRedrawCorrectsTheDateBoxesEvenWithTheCurveOff) {
  MainWindow& window = Start();
  QLineEdit* day = window.SunFrame()->Day();
  QLineEdit* month = window.SunFrame()->Month();
  day->setText("0");
  month->setText("13");
  window.Config()->ChosenCity()->show();
  window.RedrawDaylight();
  EXPECT_TRUE(window.Config()->ChosenCity()->isHidden());  // the redraw hides the chosen city's name
  EXPECT_EQ(day->text(), "1");
  EXPECT_EQ(month->text(), "12");

  // With the curve off the redraw corrects the boxes and does nothing else.
  QTest::mouseClick(window.Config()->Curve(), Qt::LeftButton);
  ASSERT_FALSE(window.Config()->Curve()->isChecked());
  const LinePools pools_before = window.Pools();
  const MapState map_before = window.Map();
  day->setText("45");
  month->setText("abc");
  window.RedrawDaylight();
  EXPECT_EQ(day->text(), "31");
  EXPECT_EQ(month->text(), "1");
  EXPECT_EQ(VisibleCount(window.Pools().L), 0);
  EXPECT_EQ(window.Pools().L[100].Y1, pools_before.L[100].Y1);
  EXPECT_EQ(window.Map().Pas_Inter, map_before.Pas_Inter);
}

// Catches the curve box wired to the wrong action, night lines shown without
// the curve, the progress row left lit.
TEST_F(OverlaysWindowTest, TheCurveBoxHidesAndRedrawsTheOverlay) {
  MainWindow& window = Start();
  QCheckBox* curve = window.Config()->Curve();
  EXPECT_EQ(curve->text(), "Courbe d'ensoleillement");
  QTest::mouseClick(curve, Qt::LeftButton);
  EXPECT_EQ(VisibleCount(window.Pools().L), 0);
  EXPECT_EQ(VisibleCount(window.Pools().N), 0);
  // Below the scale bar, whose bar is red too.
  const int below_scale = window.ScaleBarWidget()->height();
  const QImage without_curve = window.Picture()->grab().toImage();
  EXPECT_EQ(CountColour(without_curve.copy(0, below_scale, without_curve.width(), without_curve.height()),
                        qRgb(255, 0, 0)),
            0);

  // The night zone cannot show without the curve.
  window.ShowNightZone(false);
  window.ShowNightZone(true);
  EXPECT_EQ(VisibleCount(window.Pools().N), 0);

  // Checking it again redraws, with a progress row left empty.
  window.ForgetDaylightCurve();
  EXPECT_EQ(window.Daylight().XCourbe1[0], 0);
  QTest::mouseClick(curve, Qt::LeftButton);
  EXPECT_EQ(VisibleCount(window.Pools().L), 361);
  EXPECT_EQ(VisibleCount(window.Pools().N), 361);
  EXPECT_EQ(window.Daylight().XCourbe1[0], window.Pools().L[0].X1);
  int shapes = 0;
  for (QFrame* shape : window.Config()->Progress()->findChildren<QFrame*>()) {
    EXPECT_TRUE(shape->isHidden()) << shape->objectName().toStdString();
    ++shapes;
  }
  EXPECT_GT(shapes, 0);
  EXPECT_GT(CountColour(window.Picture()->grab().toImage(), qRgb(255, 0, 0)), 300);
}

// Records whether Timer1 ran each time a progress shape was lit.
class TimerWatch final : public QObject {
 public:
  explicit TimerWatch(std::function<bool()> running) : running_(std::move(running)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) seen.push_back(running_());
    return false;
  }
  std::vector<bool> seen;

 private:
  std::function<bool()> running_;
};

// Catches the timer left running during the redraw or restarted without
// automatic refresh.
TEST_F(OverlaysWindowTest, TheTimerStopsDuringTheRedrawAndRunsAfterOnlyWithAutomaticRefresh) {
  for (const bool auto_refresh : {true, false}) {
    SCOPED_TRACE(auto_refresh);
    MainWindow& window = Start();
    window.Config()->AutoRefresh()->setChecked(auto_refresh);
    window.UpdateTimer();
    TimerWatch watch([&window] { return window.Timer()->isActive(); });
    for (QFrame* shape : window.Config()->Progress()->findChildren<QFrame*>()) shape->installEventFilter(&watch);
    window.RedrawDaylight();
    ASSERT_FALSE(watch.seen.empty());
    for (const bool running : watch.seen) EXPECT_FALSE(running);
    EXPECT_EQ(window.Timer()->isActive(), auto_refresh);
  }
}

// Catches a slide in the wrong direction, an end or a night line not moved.
TEST_F(OverlaysWindowTest, TheSlideMovesOnlyTheXOfTheCurveAndTheNightLines) {
  MainWindow& window = Start();
  const LinePools before = window.Pools();
  window.SlideDaylight(250);
  window.SlideDaylight(-50);
  const LinePools& after = window.Pools();
  for (std::size_t k = 0; k < kDaylightLines; ++k) {
    SCOPED_TRACE(k);
    EXPECT_NEAR(after.L[k].X1, before.L[k].X1 - 200, 0.01);
    EXPECT_NEAR(after.L[k].X2, before.L[k].X2 - 200, 0.01);
    // The night lines stand on the start of their segment.
    EXPECT_NEAR(after.N[k].X1, before.L[k].X1 - 200, 0.01);
    EXPECT_NEAR(after.N[k].X2, before.L[k].X1 - 200, 0.01);
    EXPECT_EQ(after.L[k].Y1, before.L[k].Y1);
    EXPECT_EQ(after.N[k].Y2, before.N[k].Y2);
  }
  EXPECT_NEAR(window.Daylight().XCourbe1[0], before.L[0].X1 - 200, 0.01);
}

// Catches a swatch showing the wrong group, a button wired to the wrong
// action, captions in the wrong order, colours not applied to the pools.
TEST_F(OverlaysWindowTest, TheColourPanelPreviewsStoresAndHidesTheParallels) {
  settings_.Write("Couleurs", "R1", "10");
  settings_.Write("Couleurs", "g1", "20");
  MainWindow& window = Start();
  ColourPanel* panel = window.ColourPanelWidget();
  ASSERT_NE(panel, nullptr);
  // The stored colours are the pools' from the start.
  ASSERT_EQ(window.Pools().L.size(), kDaylightLines);
  for (const PoolLine& l : window.Pools().L) EXPECT_EQ(l.colour, Rgb(10, 20, 0));
  for (const PoolLine& n : window.Pools().N) EXPECT_EQ(n.colour, Rgb(240, 240, 0));
  EXPECT_FALSE(window.ColourFrame()->isVisible());
  window.OpenColourPanel();
  EXPECT_TRUE(window.ColourFrame()->isVisible());
  const int expected_scrolls[6] = {10, 20, 0, 240, 240, 0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(panel->Scroll(i)->value(), expected_scrolls[i]) << i;
  EXPECT_EQ(panel->CurveSwatch()->GetColour(), Rgb(10, 20, 0));
  const char* options[4] = {"Vert", "Jaune", "Bleu", "Masquer"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(panel->Option(i)->text(), options[i]) << i;

  // Moving a scroll bar repaints both previews and nothing else.
  panel->Scroll(1)->setValue(255);
  panel->Scroll(5)->setValue(200);
  EXPECT_EQ(panel->CurveSwatch()->GetColour(), Rgb(10, 255, 0));
  EXPECT_EQ(panel->NightSwatch()->GetColour(), Rgb(240, 240, 200));
  EXPECT_EQ(window.Colours().curve, Rgb(10, 20, 0));

  // "Valeurs par défaut" alone stores nothing and changes no colour.
  QTest::mouseClick(panel->Option(1), Qt::LeftButton);
  EXPECT_EQ(panel->ParallelsSwatch()->GetColour(), 0x00FFFFu);  // "Jaune"
  const std::size_t stored = settings_.Size();
  QTest::mouseClick(panel->Defaults(), Qt::LeftButton);
  EXPECT_EQ(settings_.Size(), stored);
  EXPECT_EQ(window.Colours().curve, Rgb(10, 20, 0));
  EXPECT_EQ(panel->Scroll(0)->value(), 255);
  EXPECT_EQ(panel->Scroll(5)->value(), 0);
  EXPECT_TRUE(panel->Option(0)->isChecked());
  EXPECT_EQ(panel->ParallelsSwatch()->GetColour(), 0x008000u);

  // "Aperçu": stored and applied, the panel stays open.
  panel->Scroll(2)->setValue(255);
  QTest::mouseClick(panel->Preview(), Qt::LeftButton);
  EXPECT_TRUE(window.ColourFrame()->isVisible());
  EXPECT_EQ(settings_.Read("Couleurs", "B1", ""), "255");
  EXPECT_EQ(window.Colours().curve, Rgb(255, 0, 255));
  for (const PoolLine& l : window.Pools().L) EXPECT_EQ(l.colour, Rgb(255, 0, 255));
  EXPECT_GT(CountColour(window.Picture()->grab().toImage(), qRgb(255, 0, 255)), 300);
  EXPECT_EQ(VisibleCount(window.Pools().P), 19);  // Greenwich's tick too

  // "Masquer", then "OK": the parallels are hidden and nothing is printed.
  QTest::mouseClick(panel->Option(3), Qt::LeftButton);
  EXPECT_EQ(panel->ParallelsSwatch()->GetColour(), kHiddenColour);
  EXPECT_EQ(panel->ParallelsSwatch()->palette().color(QPalette::Window), QPalette().color(QPalette::Button));
  const QImage map_before = window.Picture()->Canvas().Image();
  QTest::mouseClick(panel->Ok(), Qt::LeftButton);
  EXPECT_FALSE(window.ColourFrame()->isVisible());
  EXPECT_EQ(settings_.Read("Couleurs", "para", ""), "-2147483633");
  EXPECT_EQ(VisibleCount(window.Pools().P), 0);
  EXPECT_EQ(window.Picture()->Canvas().Image(), map_before);
}

// Catches the stored hidden colour not handed to the panel or the pools.
TEST_F(OverlaysWindowTest, HiddenParallelsStayHiddenAtTheNextStart) {
  settings_.Write("Couleurs", "Para", "-2147483633");
  MainWindow& window = Start();
  EXPECT_EQ(window.Colours().parallels, kHiddenColour);
  EXPECT_EQ(window.ColourPanelWidget()->ParallelsSwatch()->GetColour(), kHiddenColour);
  for (std::size_t k = 6; k < kParallelLines; ++k) EXPECT_FALSE(window.Pools().P[k].visible) << k;
  // No line, name or label in any colour of the parallels.
  const QImage shown = window.Picture()->grab().toImage();
  EXPECT_EQ(CountColour(shown, qRgb(0, 128, 0)), 0);
  EXPECT_EQ(CountColour(shown, qRgb(0x0F, 0, 0)), 0);
}

// Catches the parallels left at the old width when the map grows, or one of
// the five not spanned.
TEST_F(OverlaysWindowTest, AWiderMapGetsParallelsAcrossItsWidth) {
  MainWindow& window = Start();
  window.resize(1600, 900);
  QCoreApplication::sendPostedEvents();
  const double width = window.Picture()->Canvas().WidthTwips();
  ASSERT_GT(width, 1250 * window.Picture()->TwipsPerPixel());
  for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(window.Pools().P[k].X2, width) << k;
}

}  // namespace
}  // namespace pellamar
