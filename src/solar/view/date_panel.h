#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "platform/view/twips.h"

namespace pellamar {

// The panel at the top right (FraSol): the day and month boxes with their
// "-" and "+" buttons, the time zone, the solar clock, the sunrise, transit
// and sunset times with their time base, and the position label.
class DatePanel final : public QFrame {
  Q_OBJECT
 public:
  DatePanel(const Twips& twips, QWidget* parent = nullptr);

  QLineEdit* Day() { return text3_; }       // Text3
  QLineEdit* Month() { return text4_; }     // Text4
  // UpDw(0..3): day "-", day "+", month "-", month "+".
  QPushButton* UpDw(int index) { return up_dw_.at(static_cast<std::size_t>(index)); }
  QLineEdit* Zone() { return fuseau_; }     // Fuseau
  QLabel* ZoneCaption() { return label9_; } // Label9(0) "Fuseau"
  QLineEdit* Clock() { return text1_; }     // Text1, the solar clock
  QLabel* Sunrise() { return tl_; }         // tl
  QLabel* Transit() { return tp_; }         // TP
  QLabel* Sunset() { return tc_; }          // tc
  QLabel* Message() { return label10_; }    // Label10
  QLabel* TimeBase() { return label11_; }   // Label11 "Heure Locale" / "TU"
  QLabel* Position() { return label2_; }    // Label2

  // The user's decimal separator for the zone box ("." when the locale's is
  // not one ASCII character).
  char ZoneSeparator() const;
  // Writes `hours` into the zone box, shortest form, the user's separator.
  void ShowZone(double hours);
  // Label11 for the time base of the Sun times.
  void ShowTimeBase(bool local_time);
  // Label2's text colour: (192, 64, 0) with the locator, (0, 0, 128) without.
  void ShowLocatorColour(bool QRAON);

 private:
  QLineEdit* text3_;
  QLineEdit* text4_;
  std::array<QPushButton*, 4> up_dw_{};
  QLineEdit* fuseau_;
  QLabel* label9_;
  QLineEdit* text1_;
  QLabel* tl_;
  QLabel* tp_;
  QLabel* tc_;
  QLabel* label10_;
  QLabel* label11_;
  QLabel* label2_;
};

// Label2's text colours.
inline const QColor kLocatorColour(192, 64, 0);
inline const QColor kPositionColour(0, 0, 128);

}  // namespace pellamar
