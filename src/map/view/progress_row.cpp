#include "map/view/progress_row.h"

#include <QVBoxLayout>
#include <cmath>

#include "map/rebuild.h"

namespace pellamar {

ProgressRow::ProgressRow(double twips_per_px, QWidget* parent) : QWidget(parent) {
  const auto px = [twips_per_px](double twips) { return static_cast<int>(std::lround(twips / twips_per_px)); };
  const auto lefts = ProgressShapeLefts(60, kShapeWidth);
  for (int i = 0; i < 9; ++i) {
    auto* shape = new QFrame(this);
    shape->setObjectName(QString("Shape%1").arg(i));
    shape->setGeometry(px(lefts[i]), 0, px(kShapeWidth), px(kShapeHeight));
    shape->setStyleSheet("background-color: #0000c0; border: 1px solid #000060;");
    shape->hide();
    shapes_[i] = shape;
  }
  setFixedSize(px(lefts[8] + kShapeWidth + 60), px(kShapeHeight));
}

void ProgressRow::Show(const ProgressRows& rows) {
  for (int i = 0; i < 9; ++i) shapes_[i]->setVisible(rows.lit[i]);
}

ProgressPanel::ProgressPanel(double twips_per_px, QWidget* parent) : QFrame(parent) {
  setObjectName("Frame3");
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  auto* caption = new QLabel(QString::fromUtf8("Re-Calcul de la carte"), this);
  caption->setAlignment(Qt::AlignCenter);
  layout->addWidget(caption);
  row_ = new ProgressRow(twips_per_px, this);
  layout->addWidget(row_, 0, Qt::AlignCenter);
}

}  // namespace pellamar
