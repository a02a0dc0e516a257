#include "shell/view/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <functional>

#include "map/view/map_picture.h"
#include "map/view/progress_row.h"
#include "overlays/parallels.h"
#include "overlays/scale_bar.h"
#include "overlays/view/colour_panel.h"
#include "overlays/view/pool_painter.h"
#include "overlays/view/scale_bar_picture.h"
#include "shell/layout.h"
#include "shell/settings.h"
#include "shell/view/config_panel.h"
#include "solar/sun_ephemeris.h"
#include "solar/sun_instant.h"
#include "solar/view/date_panel.h"

namespace pellamar {
namespace {

// The busy pointer while the boundary is sampled, restored however it ends.
class BusyPointer {
 public:
  BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

// Sets a flag for the length of a scope.
class Busy {
 public:
  explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
  ~Busy() { flag_ = false; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  bool& flag_;
};

// The redraw's progress steps on the window's two rows.
class RowsProgress final : public DaylightProgress {
 public:
  RowsProgress(ProgressRows& rows, std::function<void()> shown, std::function<void()> before_step)
      : rows_(rows), shown_(std::move(shown)), before_step_(std::move(before_step)) {}
  void Clear() override {
    rows_.lit.fill(false);
    shown_();
  }
  void Step() override {
    before_step_();
    StepProgress(rows_);
    shown_();
  }

 private:
  ProgressRows& rows_;
  std::function<void()> shown_;
  std::function<void()> before_step_;
};

}  // namespace

void MainWindow::WireOverlays() {
  pool_layer_ = new PoolOverlay(&pools_, twips_.PerPixel(), picture1_);

  frame4_->setFrameShape(QFrame::StyledPanel);
  frame4_->setAutoFillBackground(true);
  colour_panel_ = new ColourPanel(twips_, frame4_);
  colour_panel_->setGeometry(twips_.Rect(0, 0, kFrame4Width, kFrame4Height));
  connect(colour_panel_, &ColourPanel::applyRequested, this, &MainWindow::ApplyColours);
  connect(colour_panel_, &ColourPanel::okRequested, this, [this] {
    ApplyColours();
    frame4_->hide();
  });

  picture2_->setGeometry(twips_.Rect(0, 0, kPicture2Width, kPicture2Height));
  scale_bar_ = new ScaleBarPicture(twips_.PerPixel(), picture2_);

  connect(fra_config_->Curve(), &QCheckBox::clicked, this, &MainWindow::OnCurveClicked);
}

void MainWindow::InitOverlays() {
  pools_ = DesignedLinePools();
  InitLinePools(pools_, colours_, picture1_->width() * twips_.PerPixel());
  colour_panel_->SetParallels(colours_.parallels);
  pool_layer_->update();
}

void MainWindow::HideDaylightPools() {
  pellamar::HideDaylightPools(pools_);
  pool_layer_->update();
}

void MainWindow::DrawParallels() {
  PictureCanvas& canvas = picture1_->Canvas();
  // The map may have been resized since the pools were made.
  SpanParallels(pools_, canvas.WidthTwips());
  pellamar::DrawParallels(map_.LATCENTD, map_.LONCENTD, colours_.parallels, map_, pools_, canvas);
  picture1_->update();
  pool_layer_->update();
}

void MainWindow::DrawScaleBar() { scale_bar_->Draw(ComputeScaleBar(map_.Pas_Inter)); }

void MainWindow::RedrawDaylight() {
  // A correction below is reported by its box like an edit; a handler that
  // redraws on edits must not start a second redraw inside this one.
  if (redrawing_daylight_) return;
  const Busy busy(redrawing_daylight_);

  // The date boxes are made usable on every call, the curve on or off.
  const DateBoxTexts before{fra_sol_->Day()->text().toStdString(), fra_sol_->Month()->text().toStdString()};
  const DateBoxTexts after = CorrectDateBoxes(before);
  if (after.day != before.day) fra_sol_->Day()->setText(QString::fromStdString(after.day));
  if (after.month != before.month) fra_sol_->Month()->setText(QString::fromStdString(after.month));

  if (!fra_config_->Curve()->isChecked() || !started_) return;
  const TimerHold hold(*this);
  ResetTickCounters();
  const BusyPointer busy_pointer;
  RowsProgress progress(
      progress_, [this] { ShowProgress(); }, [this] { fra_config_->ChosenCity()->hide(); });
  PictureCanvas& canvas = picture1_->Canvas();
  const DaylightRedrawInput input{night_zone_checked_, colours_.night, canvas.WidthTwips(),
                                  canvas.HeightTwips()};
  pellamar::RedrawDaylight(ComputeSunEphemeris(Instant()), input, map_, daylight_, pools_, progress);
  pool_layer_->update();
}

void MainWindow::ForgetDaylightCurve() { EmptyCurveTables(daylight_); }

void MainWindow::SlideDaylight(double shift_twips) {
  const QRect before = DaylightBounds(pools_, twips_.PerPixel());
  pellamar::SlideDaylight(daylight_, pools_, shift_twips);
  pool_layer_->update(before.united(DaylightBounds(pools_, twips_.PerPixel())));
}

void MainWindow::ShowNightZone(bool on) {
  night_zone_checked_ = on;
  RedrawDaylight();
  // Night lines belong to the curve: with the curve off they stay hidden
  // rather than showing where an old drawing left them.
  const bool shown = on && fra_config_->Curve()->isChecked();
  for (PoolLine& n : pools_.N) n.visible = shown;
  pool_layer_->update();
}

void MainWindow::OnCurveClicked(bool checked) {
  if (checked) {
    RedrawDaylight();
  } else {
    pellamar::HideDaylightPools(pools_);
    pool_layer_->update();
  }
  progress_.lit.fill(false);
  ShowProgress();
}

void MainWindow::OpenColourPanel() {
  frame4_->show();
  frame4_->raise();
  colour_panel_->Open(ScrollsFor(ReadColours(*services_.settings)));
}

void MainWindow::ApplyColours() {
  const OverlayColours stored = StoreColours(colour_panel_->Values(), *services_.settings);
  colours_ = stored;
  RecolourDaylightPools(pools_, colours_);
  RedrawDaylight();
  progress_.lit.fill(false);
  ShowProgress();
  RecolourParallelPool(pools_, colours_.parallels);
  DrawParallels();
}

}  // namespace pellamar
