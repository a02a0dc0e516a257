#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "map/map_state.h"
#include "map/rebuild.h"
#include "shell/layout.h"
#include "map/view/progress_row.h"
#include "shell/settings.h"
#include "platform/view/twips.h"

namespace pellamar {

// The configuration panel: zoom options, outline choice, the kept options
// and the first progress row.
class ConfigPanel final : public QFrame {
  Q_OBJECT
 public:
  ConfigPanel(const Twips& twips, QWidget* parent = nullptr);

  ZoomOption Zoom() const;
  void SetZoom(ZoomOption option);
  OutlineSet Outlines() const;
  void SetOutlines(OutlineSet set);

  StartupOptions Options() const;
  void SetOptions(const StartupOptions& options);

  QCheckBox* AutoRefresh() { return ch_raf_auto_; }  // ChRafAuto
  QCheckBox* KeepMap() { return chec_mem_; }         // ChecMEM
  QCheckBox* Cities() { return ch_villes_; }         // ChVilles
  QCheckBox* LocalTime() { return hloc_; }           // HLOC
  QCheckBox* Curve() { return ch_soleil_; }          // ChSoleil
  QCheckBox* Qra() { return qraon_; }                // QRAON
  QPushButton* Reset() { return command1_; }         // Command1
  QPushButton* Today() { return command7_; }         // Command7
  QLabel* ChosenCity() { return label7_; }
  ProgressRow* Progress() { return progress_; }

 signals:
  // "Contours précis" or "Carte globale" was clicked.
  void outlinesChosen();
  void autoRefreshToggled(bool on);

 private:
  std::array<QRadioButton*, 3> option1_{};
  std::array<QRadioButton*, 2> option2_{};
  QCheckBox* ch_raf_auto_;
  QCheckBox* chec_mem_;
  QCheckBox* ch_villes_;
  QCheckBox* hloc_;
  QCheckBox* ch_soleil_;
  QCheckBox* qraon_;
  QPushButton* command1_;
  QPushButton* command7_;
  QLabel* label7_;
  ProgressRow* progress_;
};

}  // namespace pellamar
