#include <QAction>
#include <QApplication>
#include <QMenuBar>

#include "map/map_state.h"
#include "map/view/map_picture.h"
#include "shell/view/config_panel.h"
#include "shell/view/help_opener.h"
#include "shell/view/main_window.h"
#include "solar/view/sun_dials_panel.h"
#include "windows/view/about_dialog.h"

namespace pellamar {
namespace {

QAction* Entry(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(name);
  return action;
}

QMenu* Submenu(QMenuBar* bar, const char* name, const char* caption) {
  QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

}  // namespace

void MainWindow::WireMenus() {
  QMenuBar* bar = menuBar();
  // "&Quitter" stands in the bar itself and quits when chosen.
  QAction* mquitter = bar->addAction(QStringLiteral("&Quitter"));
  mquitter->setObjectName("Mquitter");
  connect(mquitter, &QAction::triggered, this, &QWidget::close);

  QMenu* mrecherche = Submenu(bar, "Mrecherche", "Recherche");
  QAction* mpays = Entry(mrecherche, "Mpays", "Rechercher un Pays");
  QAction* meff_rech = Entry(mrecherche, "MeffRech", "Effacer le module recherche");
  // The country list brings a hidden search panel back: the entry that shows
  // or hides it must then offer to hide it, as after showing it itself.
  connect(mpays, &QAction::triggered, this, [this, meff_rech] {
    const bool was_hidden = fra_cherche_->isHidden();
    OpenCountryList();
    if (was_hidden) meff_rech->setText(QStringLiteral("Effacer le module Recherche"));
  });
  connect(meff_rech, &QAction::triggered, this, [this, meff_rech] {
    TogglePanel(fra_cherche_, meff_rech, "Effacer le module Recherche", "Afficher le module Recherche");
  });

  QMenu* mconfig = Submenu(bar, "Mconfig", "Configuration");
  QAction* mnuit = Entry(mconfig, "MNUIT", "Afficher la zone nuit");
  mnuit->setCheckable(true);
  mnuit->setChecked(true);
  connect(mnuit, &QAction::toggled, this, &MainWindow::ShowNightZone);
  msoleil_ = Entry(mconfig, "Msoleil", "Module Position du Soleil");
  msoleil_->setCheckable(true);
  msoleil_->setChecked(true);
  connect(msoleil_, &QAction::triggered, this, &MainWindow::ToggleSunDials);
  // A click on a dial hides the panel by itself: the check mark follows.
  connect(frame8_, &SunDialsPanel::closedByClick, this, [this] { msoleil_->setChecked(false); });
  QAction* meff_config = Entry(mconfig, "MeffConfig", "Effacer le module Configuration");
  connect(meff_config, &QAction::triggered, this, [this, meff_config] {
    TogglePanel(fra_config_, meff_config, "Effacer le module configuration", "Afficher le module Configuration");
  });
  connect(Entry(mconfig, "MajoutVille", "Modifier la liste des villes définies par l'utilisateur."),
          &QAction::triggered, this, &MainWindow::OpenCityEditor);
  connect(Entry(mconfig, "MCoul", "Couleurs"), &QAction::triggered, this, &MainWindow::OpenColourPanel);

  QMenu* maide = Submenu(bar, "Maide", "Aide");
  QAction* help = Entry(maide, "HELP", "Aide");
  // F1 anywhere in the window, as the help key of every desktop.
  help->setShortcut(QKeySequence::HelpContents);
  help->setShortcutContext(Qt::WindowShortcut);
  connect(help, &QAction::triggered, this, &MainWindow::OpenHelp);
  connect(Entry(maide, "MAbout", "A Propos"), &QAction::triggered, this, &MainWindow::OpenAbout);

  connect(fra_config_->Reset(), &QPushButton::clicked, this, &MainWindow::Reset);
}

void MainWindow::ChooseStartView(std::optional<GeoPoint> centre, std::optional<double> zoom) {
  start_centre_ = centre;
  start_zoom_ = zoom;
}

void MainWindow::ApplyStartView() {
  if (start_zoom_) map_.ZOOMc = std::clamp(*start_zoom_, 1.0, kMaxZoom);
  if (start_centre_) {
    SetCentre(map_, static_cast<float>(start_centre_->lat_deg), static_cast<float>(start_centre_->lon_east_deg));
  }
}

void MainWindow::Reset() {
  if (fra_config_->KeepMap()->isChecked()) {
    RebuildMap();
    return;
  }
  map_.ZOOMc = kWholeWorldZoom;
  ResetView();
}

void MainWindow::ResetView() {
  ForgetDaylightCurve();
  fra_config_->ChosenCity()->hide();
  SetCentre(map_, 0.0f, 0.0f);
  PlaceCentre(map_, picture1_->width() * twips_.PerPixel(), picture1_->height() * twips_.PerPixel());
  RebuildMap();
}

void MainWindow::TogglePanel(QWidget* panel, QAction* entry, const char* shown_caption,
                             const char* hidden_caption) {
  // isHidden, not isVisible: the panel's own state, also before the window
  // is shown.
  panel->setHidden(!panel->isHidden());
  if (!panel->isHidden()) {
    panel->raise();
    entry->setText(QString::fromUtf8(shown_caption));
  } else {
    entry->setText(QString::fromUtf8(hidden_caption));
  }
}

void MainWindow::ToggleSunDials() {
  frame8_->setHidden(!frame8_->isHidden());
  sun_dials_checked_ = !frame8_->isHidden();
  msoleil_->setChecked(sun_dials_checked_);
  // Hidden dials are not kept up to date: shown again, they describe the
  // last place read out, not the one read out before they were hidden.
  if (sun_dials_checked_) frame8_->UpdateFrom(FPo_, LPo_, Instant());
}

void MainWindow::OpenHelp() {
  // The message that no help opens is a modal window too.
  TimerHold hold(*this);
  HelpOpener help(services_.data_folder, services_.open_url ? services_.open_url : OpenWithDesktop,
                  *services_.notice);
  help.Open();
}

void MainWindow::OpenAbout() {
  TimerHold hold(*this);
  AboutDialog about(windowIcon(), services_.open_url ? services_.open_url : OpenWithDesktop, this);
  about.exec();
}

}  // namespace pellamar
