#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "platform/view/twips.h"

namespace pellamar {

// The panel at the top right: the day and month boxes, the time zone, the
// clock, the sunrise, transit and sunset times, and the centre's position.
class DatePanel final : public QFrame {
  Q_OBJECT
 public:
  DatePanel(const Twips& twips, QWidget* parent = nullptr);

  QLineEdit* Day() { return text3_; }       // Text3
  QLineEdit* Month() { return text4_; }     // Text4
  QLineEdit* Zone() { return fuseau_; }     // Fuseau
  QLineEdit* Clock() { return text1_; }     // Text1
  QLabel* Sunrise() { return tl_; }         // tl
  QLabel* Transit() { return tp_; }         // TP
  QLabel* Sunset() { return tc_; }          // tc
  QLabel* Message() { return label10_; }    // Label10
  QLabel* Position() { return label2_; }    // Label2

 private:
  QLineEdit* text3_;
  QLineEdit* text4_;
  QLineEdit* fuseau_;
  QLineEdit* text1_;
  QLabel* tl_;
  QLabel* tp_;
  QLabel* tc_;
  QLabel* label10_;
  QLabel* label2_;
};

}  // namespace pellamar
