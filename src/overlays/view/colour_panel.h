#pragma once

#include <QButtonGroup>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <array>

#include "overlays/colours.h"
#include "platform/view/twips.h"

namespace pellamar {

// A filled rectangle showing a colour; kHiddenColour shows as the
// platform's button colour.
class ColourSwatch final : public QFrame {
  Q_OBJECT
 public:
  ColourSwatch(const char* name, const QString& accessible_name, QWidget* parent);
  void SetColour(Colour colour);
  Colour GetColour() const { return colour_; }

 private:
  Colour colour_ = 0;
};

// The colour panel Frame4: the curve and night-line colours mixed on six
// scroll bars with live swatches, the parallels colour picked among three
// colours or "Masquer". Its values become the program's colours only when
// "Aperçu" or "OK" asks for them (apply, and for "OK" closing too).
class ColourPanel final : public QWidget {
  Q_OBJECT
 public:
  ColourPanel(const Twips& twips, QWidget* parent);

  // Opening: the scroll bars take the stored components (the swatches
  // follow); the parallels option and swatch keep their state.
  void Open(const std::array<int, 6>& scrolls);
  // The working values: scroll positions and the parallels swatch.
  ColourPanelValues Values() const;
  // The parallels swatch's colour (start-up sets it from CouleurPara).
  void SetParallels(Colour colour) { shape5_->SetColour(colour); }

  QScrollBar* Scroll(int i) { return hscroll1_[static_cast<std::size_t>(i)]; }  // HScroll1(i)
  QRadioButton* Option(int i) { return option3_[static_cast<std::size_t>(i)]; }  // Option3(i)
  ColourSwatch* CurveSwatch() { return shape1_; }                               // Shape1
  ColourSwatch* NightSwatch() { return shape4_; }                               // Shape4
  ColourSwatch* ParallelsSwatch() { return shape5_; }                           // Shape5
  QPushButton* Defaults() { return command5_; }                                 // Command5
  QPushButton* Ok() { return command4_; }                                       // Command4
  QPushButton* Preview() { return command6_; }                                  // Command6

 signals:
  // "Aperçu": apply, the panel stays open.
  void applyRequested();
  // "OK": apply, then the panel closes.
  void okRequested();

 private:
  void ShowPreviews();
  void SetDefaults();

  std::array<QScrollBar*, 6> hscroll1_{};
  std::array<QRadioButton*, 4> option3_{};
  QButtonGroup* options_ = nullptr;
  ColourSwatch* shape1_ = nullptr;
  ColourSwatch* shape4_ = nullptr;
  ColourSwatch* shape5_ = nullptr;
  QPushButton* command5_ = nullptr;
  QPushButton* command4_ = nullptr;
  QPushButton* command6_ = nullptr;
};

}  // namespace pellamar
