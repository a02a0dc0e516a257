// The live read-out: the place under the pointer with its Sun times, dials
// and solar clock; the date, time-zone and time-base controls; the tick of
// the automatic refresh.
#include <QTimer>
#include <string>

#include "map/view/map_picture.h"
#include "map/view/progress_row.h"
#include "places/pointer_readout.h"
#include "places/position_text.h"
#include "shell/view/config_panel.h"
#include "shell/view/main_window.h"
#include "solar/date_inputs.h"
#include "solar/refresh_tick.h"
#include "solar/solar_clock.h"
#include "solar/view/date_panel.h"
#include "solar/view/sun_dials_panel.h"
#include "solar/view/sun_marker_widget.h"

namespace pellamar {
namespace {

// Writes a box only when its text changes, so that an unchanged value costs
// no repaint.
void SetText(QLineEdit* box, const std::string& utf8) {
  const QString text = QString::fromStdString(utf8);
  if (box->text() != text) box->setText(text);
}

void SetText(QLabel* label, const std::string& utf8) {
  const QString text = QString::fromStdString(utf8);
  if (label->text() != text) label->setText(text);
}

}  // namespace

void MainWindow::WireReadout() {
  // Pointer moves over the map and over the Sun image: bursts are merged.
  readout_merge_ = new QTimer(this);
  readout_merge_->setSingleShot(true);
  readout_merge_->setInterval(0);
  connect(readout_merge_, &QTimer::timeout, this, &MainWindow::ReadOutMergedMoves);
  connect(picture1_, &MapPicture::moved, this, &MainWindow::OnPointerMoved);
  connect(soleil_, &SunMarker::pointerMoved, this,
          [this](QPointF offset) { OnPointerMoved(QPointF(Xpi_ + offset.x(), Ypi_ + offset.y())); });

  // Date boxes: only the user's own edits start the date handling.
  connect(fra_sol_->Day(), &QLineEdit::textEdited, this, [this] { StepDate(5); });
  connect(fra_sol_->Month(), &QLineEdit::textEdited, this, [this] { StepDate(5); });
  for (int i = 0; i < 4; ++i) {
    connect(fra_sol_->UpDw(i), &QPushButton::clicked, this, [this, i] { StepDate(i); });
  }
  connect(fra_config_->Today(), &QPushButton::clicked, this, &MainWindow::ShowToday);
  connect(fra_sol_->Zone(), &QLineEdit::textEdited, this, &MainWindow::OnZoneEdited);

  // Time base of the Sun times; Label11 follows the box however it changes.
  QCheckBox* hloc = fra_config_->LocalTime();
  fra_sol_->ShowTimeBase(hloc->isChecked());
  connect(hloc, &QCheckBox::toggled, fra_sol_, &DatePanel::ShowTimeBase);
  connect(hloc, &QCheckBox::clicked, this, [this] {
    RedrawDaylight();
    OnMapMoved(QPointF(map_.Xc, map_.Yc));
  });

  // The locator switch recolours Label2 and itself; the caption waits for
  // the next read-out.
  QCheckBox* qra = fra_config_->Qra();
  const auto colour_qra = [this, qra] {
    fra_sol_->ShowLocatorColour(qra->isChecked());
    QPalette palette = qra->palette();
    palette.setColor(QPalette::WindowText, qra->isChecked() ? kLocatorColour : kPositionColour);
    qra->setPalette(palette);
  };
  colour_qra();
  connect(qra, &QCheckBox::clicked, this, colour_qra);

  connect(timer1_, &QTimer::timeout, this, &MainWindow::OnTimerTick);
}

void MainWindow::ResetTickCounters() { ticks_ = {}; }

void MainWindow::OnPointerMoved(QPointF twips) {
  // The first move of a burst is read out at once; the later ones, until
  // the event loop comes round, leave only their last point.
  if (readout_merge_->isActive()) {
    pending_move_ = twips;
    return;
  }
  ReadOut(twips.x(), twips.y());
  readout_merge_->start();
}

void MainWindow::ReadOutMergedMoves() {
  if (!pending_move_) return;
  const QPointF twips = *pending_move_;
  pending_move_.reset();
  ReadOut(twips.x(), twips.y());
}

void MainWindow::ReadOut(double x, double y) {
  const std::optional<GeoPoint> place = PlaceUnderPointer(map_, x, y);
  if (!place) return;
  const std::string day = fra_sol_->Day()->text().toStdString();
  const std::string month = fra_sol_->Month()->text().toStdString();
  ReadoutSettings settings;
  settings.day_text = day;
  settings.month_text = month;
  settings.QRAON = fra_config_->Qra()->isChecked();
  settings.HLOC = fra_config_->LocalTime()->isChecked();
  settings.TimeZone = time_zone_;
  settings.clock_day_fraction = services_.clock->LocalSecondsOfDay() / 86400.0;
  const PointerReadout r = ReadOutPlace(*place, settings);

  SetText(fra_sol_->Position(), r.Label2);
  FPo_ = r.FPo;
  LPo_ = r.LPo;
  SetText(fra_sol_->Sunrise(), r.times.tl);
  SetText(fra_sol_->Transit(), r.times.TP);
  SetText(fra_sol_->Sunset(), r.times.tc);
  SetText(fra_sol_->Message(), r.times.Label10);
  fra_sol_->Message()->setVisible(!r.times.Label10.empty());
  LatI_ = r.LatI;
  LongI_ = r.LongI;
  EquationOfTime_ = r.times.EquationOfTime;
  frame8_->UpdateFrom(FPo_, LPo_, Instant());
  SetText(fra_sol_->Clock(), r.Text1);
}

void MainWindow::ShowClock() {
  SetText(fra_sol_->Clock(), pellamar::ShowClock(EquationOfTime_, time_zone_, LongI_,
                                                 services_.clock->LocalSecondsOfDay() / 86400.0));
}

void MainWindow::ShowCentrePosition() {
  SetText(fra_sol_->Position(),
          ShowPosition(map_.LATCENTD, map_.LONCENTD, fra_config_->Qra()->isChecked()));
}

void MainWindow::HideProgressShapes() {
  progress_.lit.fill(false);
  ShowProgress();
}

void MainWindow::StepDate(int index) {
  const DateBoxes before{fra_sol_->Day()->text().toStdString(), fra_sol_->Month()->text().toStdString()};
  const DateBoxes after = StepDateBoxes(index, before);
  // The program's own writes: they do not start the date handling again.
  if (after.day != before.day) fra_sol_->Day()->setText(QString::fromStdString(after.day));
  if (after.month != before.month) fra_sol_->Month()->setText(QString::fromStdString(after.month));
  RedrawDaylight();
  HideProgressShapes();
  OnMapMoved(QPointF(map_.Xc, map_.Yc));
  PlaceSunMarker();
}

void MainWindow::ShowToday() {
  const CivilDate today = services_.clock->LocalDate();
  fra_sol_->Day()->setText(QString::number(today.day));
  fra_sol_->Month()->setText(QString::number(today.month));
  RedrawDaylight();
  HideProgressShapes();
  PlaceSunMarker();
  OnMapMoved(QPointF(map_.Xc, map_.Yc));
}

void MainWindow::OnZoneEdited(const QString& text) {
  const ZoneReading reading = ReadZoneText(text.toStdString(), fra_sol_->ZoneSeparator());
  switch (reading.kind) {
    case ZoneReading::Kind::Accepted:
      time_zone_ = reading.hours;
      PlaceSunMarker();
      RedrawDaylight();
      HideProgressShapes();
      break;
    case ZoneReading::Kind::Typing:
      break;
    case ZoneReading::Kind::PutBack:
      fra_sol_->ShowZone(time_zone_);
      break;
  }
}

void MainWindow::OnTimerTick() {
  if (rebuilding_) return;
  frame8_->UpdateFrom(FPo_, LPo_, Instant());
  const double old_Xpi = Xpi_;
  const TickPlan plan = PlanTick(ticks_, map_.ZOOMc);
  fra_sol_->ZoneCaption()->setToolTip(QString::fromStdString(plan.tooltip));
  if (plan.slide) {
    PlaceSunMarker();
    // A marker that wrapped across the map takes the overlay with it only
    // through a full redraw; sliding would push it off the world.
    if (SlideWouldLeaveTheWorld(old_Xpi, Xpi_, map_.PasLong)) {
      RedrawDaylight();
    } else {
      SlideDaylight(old_Xpi - Xpi_);
    }
  }
  if (plan.rebuild) {
    frame3_->show();
    RebuildMap();
    frame3_->hide();
  }
  ShowClock();
}

}  // namespace pellamar
