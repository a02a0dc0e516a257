#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

#include "map/rebuild.h"

namespace pellamar {

// One row of nine small progress shapes, lit pair by pair.
class ProgressRow final : public QWidget {
  Q_OBJECT
 public:
  // twips_per_px converts the designed shape size and spacing.
  ProgressRow(double twips_per_px, QWidget* parent = nullptr);
  void Show(const ProgressRows& rows);

 private:
  std::array<QFrame*, 9> shapes_{};
};

// The floating panel "Re-Calcul de la carte" with the second row.
class ProgressPanel final : public QFrame {
  Q_OBJECT
 public:
  ProgressPanel(double twips_per_px, QWidget* parent = nullptr);
  ProgressRow* Row() { return row_; }

 private:
  ProgressRow* row_;
};

}  // namespace pellamar
