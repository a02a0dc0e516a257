#include "shell/view/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QIcon>
#include <QLayout>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "map/view/map_picture.h"
#include "map/view/progress_row.h"
#include "platform/leading_number.h"
#include "shell/startup.h"
#include "shell/view/config_panel.h"
#include "solar/sun_ephemeris.h"
#include "solar/sun_instant.h"
#include "solar/sun_marker.h"
#include "solar/sun_times.h"
#include "solar/view/date_panel.h"
#include "solar/view/sun_dials_panel.h"
#include "solar/view/sun_marker_widget.h"

namespace pellamar {
namespace {

// The layout's window height counts the title bar, menu and borders that the
// client area does not have; this is their usual height, so the map ends a
// little above the bottom of the window as designed.
constexpr double kNonClientHeightTwips = 765;

// The hourglass for the length of a rebuild, restored however it ends.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

// The rebuild's calls into the rest of the window, one per step; each
// feature's drawing lives in its own main_window_<feature>.cpp.
class MainWindow::Steps final : public RebuildSteps {
 public:
  explicit Steps(MainWindow& w) : w_(w) {}
  void HideDaylightPools() override { w_.HideDaylightPools(); }
  void ShowWindow() override {
    if (w_.isVisible()) return;
    // Sized to the screen: maximised, so the frame stays on the screen too.
    if (w_.fill_screen_) w_.showMaximized(); else w_.show();
  }
  void StepProgress() override {
    w_.fra_config_->ChosenCity()->hide();
    pellamar::StepProgress(w_.progress_);
    w_.ShowProgress();
  }
  void PlaceSunMarker() override { w_.PlaceSunMarker(); }
  void DrawCities() override { w_.DrawCities(); }
  void ShowPosition() override { w_.ShowCentrePosition(); }
  void DrawParallels() override { w_.DrawParallels(); }
  void DrawScaleBar() override { w_.DrawScaleBar(); }
  void RedrawDaylight() override { w_.RedrawDaylight(); }
  void ClearProgress() override {
    w_.progress_.lit.fill(false);
    w_.ShowProgress();
  }
  void ReadOutCentre() override { w_.OnMapMoved(QPointF(w_.map_.Xc, w_.map_.Yc)); }

 private:
  MainWindow& w_;
};

MainWindow::MainWindow(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      outlines_(std::filesystem::path(QDir(services.data_folder).absolutePath().toStdString())),
      steps_(std::make_unique<Steps>(*this)) {
  setObjectName("Carte");
  setWindowTitle("Pellamar");
  // The Sun picture: the window's icon and the Sun image on the map.
  const QPixmap sun(":/pellamar/sun.png");
  if (!sun.isNull()) setWindowIcon(QIcon(sun));

  twips_ = Twips(1440.0 / std::max(1, logicalDpiY()));
  central_ = new QWidget(this);
  setCentralWidget(central_);

  fra_cherche_ = new QFrame(central_);
  fra_cherche_->setObjectName("FraCherche");
  fra_cherche_->setFrameShape(QFrame::StyledPanel);
  fra_config_ = new ConfigPanel(twips_, central_);
  fra_sol_ = new DatePanel(twips_, central_);
  // The panels are dense: their designed sizes fit an 8-point font.
  QFont panel_font = font();
  panel_font.setPointSizeF(8);
  fra_config_->setFont(panel_font);
  fra_sol_->setFont(panel_font);
  list1_ = new QListWidget(central_);
  list1_->setObjectName("List1");
  list1_->hide();

  picture1_ = new MapPicture(central_);
  // The Sun image lies on the map, under every panel floating on it.
  soleil_ = new SunMarker(picture1_);
  // Floating panels of the map; those of later features stay hidden until
  // they are opened.
  frame2_ = new QFrame(picture1_);
  frame2_->setObjectName("Frame2");
  frame2_->hide();
  frame4_ = new QFrame(picture1_);
  frame4_->setObjectName("Frame4");
  frame4_->hide();
  picture2_ = new QWidget(picture1_);
  picture2_->setObjectName("Picture2");
  frame3_ = new ProgressPanel(twips_.PerPixel(), picture1_);
  frame3_->hide();
  frame8_ = new SunDialsPanel(picture1_);
  if (!sun.isNull()) soleil_->SetPicture(sun);

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(800);

  mlieu_ = new QMenu(QStringLiteral("  "), this);
  mlieu_->setObjectName("Mlieu");
  QAction* mdef = mlieu_->addAction(QString::fromUtf8("Définir ce lieu"));
  mdef->setObjectName("MDEF");
  // Defining a place opens the city editor, which comes with the cities.
  mdef->setEnabled(false);

  connect(picture1_, &MapPicture::released, this, &MainWindow::OnMapReleased);
  connect(soleil_, &SunMarker::clicked, this, &MainWindow::OnSunClicked);
  connect(frame8_, &SunDialsPanel::closedByClick, this, [this] { sun_dials_checked_ = false; });
  connect(fra_config_, &ConfigPanel::outlinesChosen, this, &MainWindow::RebuildMap);
  connect(fra_config_, &ConfigPanel::autoRefreshToggled, this, [this](bool) { UpdateTimer(); });
  WireOverlays();
  WireReadout();
  WireCities();
  WireMenus();
}

MainWindow::~MainWindow() = default;

void MainWindow::StartUp(std::optional<QSize> client_size, OutlineSet outlines) {
  // Size: the whole available screen, or what the caller asks for.
  if (client_size) {
    resize(*client_size);
  } else if (const QScreen* s = screen()) {
    setGeometry(s->availableGeometry());
    fill_screen_ = true;
  }
  // Give the central area its size now, before anything is shown.
  if (layout()) layout()->activate();
  ApplyLayout();
  fra_config_->SetZoom(ZoomOption::ZoomIn);
  fra_config_->SetOutlines(outlines);

  // Time zone and date from the computer's clock.
  const Clock& clock = *services_.clock;
  time_zone_ = static_cast<float>(clock.UtcOffsetHours());
  fra_sol_->ShowZone(time_zone_);
  const CivilDate today = clock.LocalDate();
  fra_sol_->Day()->setText(QString::number(today.day));
  fra_sol_->Month()->setText(QString::number(today.month));

  // Options, the kept map view and the colours.
  const StartupOptions options = ReadStartupOptions(*services_.settings);
  fra_config_->SetOptions(options);
  const KeptView view = ReadKeptView(*services_.settings, options.keep_map);
  map_.ZOOMc = view.zoom;
  map_.LATCENTD = view.lat_centre_deg;
  map_.LONCENTD = view.lon_centre_deg;
  ApplyStartView();
  PlaceCentre(map_, picture1_->width() * twips_.PerPixel(), picture1_->height() * twips_.PerPixel());
  colours_ = ReadColours(*services_.settings);
  InitOverlays();

  started_ = true;
  RebuildMap();
}

void MainWindow::ApplyLayout() {
  laid_out_size_ = central_->size();
  const double w = central_->width() * twips_.PerPixel();
  const double h = central_->height() * twips_.PerPixel() + kNonClientHeightTwips;
  layout_ = ComputeLayout(w, h);
  fra_sol_->setGeometry(twips_.Rect(layout_.fra_sol));
  fra_config_->setGeometry(twips_.Rect(layout_.fra_config));
  fra_cherche_->setGeometry(twips_.Rect(layout_.fra_cherche));
  list1_->setGeometry(twips_.Rect(layout_.fra_cherche.left, layout_.fra_cherche.bottom(),
                                  layout_.fra_cherche.width, 2000));
  picture1_->setGeometry(twips_.Rect(layout_.picture1));
  frame2_->setGeometry(twips_.Rect(layout_.frame2));
  frame3_->setGeometry(twips_.Rect(layout_.frame3));
  frame4_->setGeometry(twips_.Rect(layout_.frame4));
  picture2_->setGeometry(twips_.Rect(layout_.picture2));
  frame8_->setGeometry(twips_.Rect(layout_.frame8));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!started_ || central_->size() == laid_out_size_) return;
  // The layout and the map follow the window: the centre stays the centre.
  ApplyLayout();
  PlaceCentre(map_, picture1_->width() * twips_.PerPixel(), picture1_->height() * twips_.PerPixel());
  if (rebuilding_) {
    rebuild_again_ = true;  // the picture was cleared under the rebuild
  } else {
    RebuildMap();
  }
}

void MainWindow::RebuildMap() {
  if (rebuilding_ || !started_) return;
  rebuilding_ = true;
  ++rebuild_count_;
  picture1_->SyncCanvasSize();
  {
    WaitCursor wait;
    // The timer stays out of the rebuild; it runs again afterwards if the
    // automatic refresh is on.
    TimerHold hold(*this);
    pellamar::RebuildMap(fra_config_->Outlines(), outlines_, map_, picture1_->Canvas(),
                         *services_.notice, *steps_);
  }
  rebuilding_ = false;
  picture1_->update();
  if (rebuild_again_) {
    rebuild_again_ = false;
    RebuildMap();
  }
}

void MainWindow::ShowProgress() {
  fra_config_->Progress()->Show(progress_);
  frame3_->Row()->Show(progress_);
  // Only the progress rows are repainted during long work; no other event
  // is processed in the middle of a computation.
  if (isVisible()) {
    fra_config_->Progress()->repaint();
    if (frame3_->isVisible()) frame3_->Row()->repaint();
  }
}

void MainWindow::OnMapReleased(Qt::MouseButton button, QPointF twips) {
  fra_config_->ChosenCity()->hide();
  if (rebuilding_ || !HasScales(map_)) return;
  if (button == Qt::LeftButton) {
    if (ApplyLeftClick(map_, twips.x(), twips.y(), fra_config_->Zoom())) RebuildMap();
    return;
  }
  popup_place_ = PlaceForPopup(map_, twips.x(), twips.y());
  if (popup_place_ && isVisible()) mlieu_->popup(QCursor::pos());
}

void MainWindow::OnMapMoved(QPointF twips) { ReadOut(twips.x(), twips.y()); }

SunInstant MainWindow::Instant() const {
  return MakeSunInstant(fra_sol_->Day()->text().toStdString(), fra_sol_->Month()->text().toStdString(),
                        *services_.clock, time_zone_);
}

void MainWindow::PlaceSunMarker() {
  const QSizeF size = soleil_->SizeTwips();
  const SunMarkerMap geometry{map_.LATCENTD, map_.LONCENTD, map_.Pas_Inter, map_.PasLong,
                              map_.Xc,       map_.Yc,       size.width(),   size.height()};
  const SunMarkerPlace place = pellamar::PlaceSunMarker(ComputeSunEphemeris(Instant()), geometry);
  Xpi_ = place.Xpi;
  Ypi_ = place.Ypi;
  // Far off the map the image simply lies outside the picture.
  const auto px = [this](float twips) {
    return static_cast<int>(std::clamp(std::lround(twips / twips_.PerPixel()), -100000L, 100000L));
  };
  soleil_->move(px(place.left), px(place.top));
}

void MainWindow::OnSunClicked() {
  // The left-click rule, applied to the map point under the image's
  // top-left corner.
  fra_config_->ChosenCity()->hide();
  if (rebuilding_) return;
  if (ApplyLeftClick(map_, Xpi_, Ypi_, fra_config_->Zoom())) RebuildMap();
}

MainWindow::TimerHold::TimerHold(MainWindow& w) : w_(w) {
  ++w_.timer_holds_;
  w_.UpdateTimer();
}

MainWindow::TimerHold::~TimerHold() {
  --w_.timer_holds_;
  w_.UpdateTimer();
}

void MainWindow::UpdateTimer() {
  const bool run = started_ && !quit_done_ && timer_holds_ == 0 && fra_config_->AutoRefresh()->isChecked();
  if (!run) {
    timer1_->stop();
  } else if (!timer1_->isActive()) {
    timer1_->start();
  }
}

void MainWindow::Quit() {
  if (quit_done_) return;
  quit_done_ = true;
  UpdateTimer();
  if (services_.write_settings) {
    const StartupOptions options = fra_config_->Options();
    WriteConfigOnQuit(*services_.settings, options, {map_.ZOOMc, map_.LATCENTD, map_.LONCENTD});
  }
  // The city editor, the About window and any message close with it.
  QApplication::closeAllWindows();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  Quit();
  event->accept();
}

}  // namespace pellamar
