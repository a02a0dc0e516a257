#pragma once

#include <QFrame>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "map/map_state.h"
#include "map/rebuild.h"
#include "overlays/daylight_curve.h"
#include "overlays/line_pool.h"
#include "shell/settings.h"
#include "platform/settings_store.h"
#include "platform/user_notice.h"
#include "platform/view/twips.h"
#include "shell/layout.h"
#include "platform/clock.h"
#include "solar/refresh_tick.h"

namespace pellamar {

class ColourPanel;
class ConfigPanel;
class CountryPanel;
class SearchPanel;
struct CityMatch;
class DatePanel;
class MapPicture;
class PoolOverlay;
class ScaleBarPicture;
class ProgressPanel;
class SunDialsPanel;
class SunMarker;
struct SunInstant;

// What the main window needs from the platform.
struct MainWindowServices {
  const Clock* clock = nullptr;
  SettingsStore* settings = nullptr;
  UserNotice* notice = nullptr;
  QString data_folder;  // where the outline and city files lie
  // Whether quitting writes the "Config" settings (not for a picture made
  // for a file, which only reads them).
  bool write_settings = true;
  // Opens addresses and documents with the desktop (help, web page, mail);
  // empty: the desktop's own opener.
  std::function<bool(const QUrl&)> open_url;
  // The per-user data folder that holds the user's copy of the city file
  // when data_folder cannot be written; empty: UserDataFolder().
  QString user_data_folder;
};

// The main window "Carte": builds the panels, owns the shared state and wires
// each mouse, keyboard and timer handler to the core functions it calls, one
// after the other in a fixed order (a click hides Label7, moves the centre,
// then rebuilds; a rebuild runs the steps RebuildMap lists).
class MainWindow final : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up: sizes the window (to the screen's available area, or to the
  // given client size), lays out the panels, reads the settings and draws
  // the map for the first time.
  void StartUp(std::optional<QSize> client_size = std::nullopt, OutlineSet outlines = OutlineSet::Global);

  // Clears the map and draws everything again. Ignored while a rebuild runs.
  void RebuildMap();

  // Quitting: writes the "Config" settings once, stops the timer and closes
  // every other window.
  void Quit();

  // The view of the first map instead of the kept one (a picture's
  // --centre, --zoom); call before StartUp. An empty part keeps the kept
  // one; the centre is pinned to ±90° / ±180° and the zoom to [1, kMaxZoom].
  void ChooseStartView(std::optional<GeoPoint> centre, std::optional<double> zoom);

  // Keeps Timer1 stopped while it lives: a rebuild, a day/night redraw or a
  // modal window. Holds nest; the timer runs again when the last one ends and
  // the automatic refresh is on.
  class TimerHold {
   public:
    explicit TimerHold(MainWindow& w);
    ~TimerHold();
    TimerHold(const TimerHold&) = delete;
    TimerHold& operator=(const TimerHold&) = delete;

   private:
    MainWindow& w_;
  };
  // Starts or stops Timer1: it runs exactly while "Rafraichissement
  // automatique" is checked and nothing holds it.
  void UpdateTimer();

  // Day/night overlay (main_window_overlays.cpp).
  // Validates the date boxes and redraws the curve and the night zone.
  void RedrawDaylight();
  // Slides the overlay sideways by -shift_twips with the Sun marker.
  void SlideDaylight(double shift_twips);
  // "Afficher la zone nuit" checked or not.
  void ShowNightZone(bool on);
  // Opens the colour panel.
  void OpenColourPanel();
  // Forgets the curve's saved positions, so the next redraw starts afresh.
  void ForgetDaylightCurve();
  // "Afficher la zone nuit" (MNUIT): checked when the program starts.
  bool NightZoneShown() const { return night_zone_checked_; }
  const LinePools& Pools() const { return pools_; }
  const DaylightCurve& Daylight() const { return daylight_; }
  ColourPanel* ColourPanelWidget() { return colour_panel_; }
  QFrame* ColourFrame() { return frame4_; }
  ScaleBarPicture* ScaleBarWidget() { return scale_bar_; }

  // Timer bookkeeping and read-out (main_window_readout.cpp).
  // Sets both tick counters back to 0 (every day/night redraw does).
  void ResetTickCounters();
  // The pointer read-out for the map point (x, y), twips: position, Sun
  // times, dials and solar clock. Nothing before the first map.
  void ReadOut(double x, double y);
  const TickCounters& Ticks() const { return ticks_; }

  // Cities (main_window_cities.cpp).
  // Opens the country list of the search panel.
  void OpenCountryList();
  // Opens the user city editor, modally.
  void OpenCityEditor();
  // Opens the user city editor filled with the right-clicked place.
  void DefineThisPlace();
  // Where the city file is read, and where the editor saves it.
  QString CityFileForReading() const;
  QString CityFileForWriting() const;
  SearchPanel* CitySearch() { return search_panel_; }
  CountryPanel* CountryList() { return country_panel_; }
  QListWidget* CityLines() { return list1_; }

  const MapState& Map() const { return map_; }
  const MainLayout& Layout() const { return layout_; }
  float TimeZone() const { return time_zone_; }
  const OverlayColours& Colours() const { return colours_; }
  MapPicture* Picture() { return picture1_; }
  ConfigPanel* Config() { return fra_config_; }
  DatePanel* SunFrame() { return fra_sol_; }
  SunDialsPanel* SunDials() { return frame8_; }
  SunMarker* SunImage() { return soleil_; }
  bool SunDialsChecked() const { return sun_dials_checked_; }
  // The observer's place of the last read-out: FPo north, LPo WEST positive.
  double FPo() const { return FPo_; }
  double LPo() const { return LPo_; }
  // The Sun image's top-left corner on the map, twips.
  double Xpi() const { return Xpi_; }
  double Ypi() const { return Ypi_; }
  QTimer* Timer() { return timer1_; }
  int RebuildCount() const { return rebuild_count_; }
  const std::optional<GeoPoint>& PopupPlace() const { return popup_place_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  class Steps;
  friend class Steps;

  // Each feature's widgets and handlers, wired once by the constructor.
  void WireOverlays();
  void WireReadout();
  void WireCities();
  void WireMenus();
  // Menus, "Reset", help and About (main_window_menus.cpp).
  void ApplyStartView();
  void Reset();
  void ResetView();
  void TogglePanel(QWidget* panel, QAction* entry, const char* shown_caption, const char* hidden_caption);
  void ToggleSunDials();
  void OpenHelp();
  void OpenAbout();
  void ApplyLayout();
  void OnMapReleased(Qt::MouseButton button, QPointF twips);
  void OnMapMoved(QPointF twips);
  // Read-out wiring (main_window_readout.cpp).
  void OnPointerMoved(QPointF twips);
  void ReadOutMergedMoves();
  void ShowClock();
  void ShowCentrePosition();
  void HideProgressShapes();
  void StepDate(int index);
  void ShowToday();
  void OnZoneEdited(const QString& text);
  void OnTimerTick();
  SunInstant Instant() const;
  void PlaceSunMarker();
  void OnSunClicked();
  void ShowProgress();
  // Cities (main_window_cities.cpp).
  void DrawCities();
  void ShowCityResults(const std::vector<CityMatch>& found);
  void SearchCityNames();
  void ChooseCountry(int row);
  void ChooseCity(int row);
  void RunCityEditor(const std::optional<GeoPoint>& place);
  // Overlays (main_window_overlays.cpp): the pools made at start-up, the
  // rebuild's steps, the curve check box and the colours applied.
  void InitOverlays();
  void HideDaylightPools();
  void DrawParallels();
  void DrawScaleBar();
  void OnCurveClicked(bool checked);
  void ApplyColours();

  MainWindowServices services_;
  Twips twips_;
  MainLayout layout_;
  MapState map_;
  OverlayColours colours_;
  ProgressRows progress_;
  OutlineLibrary outlines_;
  float time_zone_ = 0.0f;  // TimeZone: signed hours, local = UT + TimeZone
  // The read-out's place: LatI/LongI in radians (LongI west positive) after
  // the Sun times, as the solar clock reads them; FPo/LPo in degrees.
  double LatI_ = 0, LongI_ = 0, FPo_ = 0, LPo_ = 0;
  double EquationOfTime_ = 0;
  double Xpi_ = 0, Ypi_ = 0;  // the Sun image's top-left corner, twips
  bool sun_dials_checked_ = true;  // Msoleil
  std::optional<GeoPoint> popup_place_;  // the place of "Définir ce lieu"
  int timer_holds_ = 0;
  bool rebuilding_ = false;
  bool rebuild_again_ = false;  // a resize cleared the picture mid-rebuild
  QSize laid_out_size_;
  bool started_ = false;
  bool fill_screen_ = false;  // shown maximised on the screen's available area
  int rebuild_count_ = 0;
  std::unique_ptr<Steps> steps_;
  TickCounters ticks_;  // Occur, Occur2
  std::optional<QPointF> pending_move_;  // the last pointer move not read out yet
  QTimer* readout_merge_ = nullptr;
  LinePools pools_ = DesignedLinePools();  // L, N, P
  DaylightCurve daylight_;
  bool night_zone_checked_ = true;  // MNUIT
  bool redrawing_daylight_ = false;

  QWidget* central_ = nullptr;
  DatePanel* fra_sol_ = nullptr;
  ConfigPanel* fra_config_ = nullptr;
  QFrame* fra_cherche_ = nullptr;
  QListWidget* list1_ = nullptr;
  MapPicture* picture1_ = nullptr;
  QFrame* frame2_ = nullptr;
  ProgressPanel* frame3_ = nullptr;
  QFrame* frame4_ = nullptr;
  QWidget* picture2_ = nullptr;
  SunDialsPanel* frame8_ = nullptr;
  SunMarker* soleil_ = nullptr;
  QTimer* timer1_ = nullptr;
  QMenu* mlieu_ = nullptr;
  SearchPanel* search_panel_ = nullptr;
  CountryPanel* country_panel_ = nullptr;
  QAction* msoleil_ = nullptr;
  std::optional<GeoPoint> start_centre_;
  std::optional<double> start_zoom_;
  bool quit_done_ = false;
  PoolOverlay* pool_layer_ = nullptr;
  ColourPanel* colour_panel_ = nullptr;
  ScaleBarPicture* scale_bar_ = nullptr;
};

}  // namespace pellamar
