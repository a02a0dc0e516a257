#include "overlays/view/scale_bar_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pellamar {

ScaleBarPicture::ScaleBarPicture(double twips_per_px, QWidget* parent)
    : QWidget(parent), twips_per_px_(twips_per_px) {
  setObjectName("ScaleBar");
  setAccessibleName("Echelle");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(parent->rect());
  // The label fits the room the bar leaves it (1000 twips less the margins)
  // in the small font of the panels.
  QFont small = font();
  small.setPointSizeF(8);
  canvas_.SetFont(small);
}

void ScaleBarPicture::Draw(const ScaleBar& bar) {
  // The designed width leaves the label 800 twips; a wider font gets the
  // room it needs instead of a clipped "km".
  const QString label = QString::fromStdString(ScaleBarLabel(bar));
  const int label_end = static_cast<int>(std::lround(ScaleBarLabelLeft(bar) / twips_per_px_)) +
                        QFontMetrics(canvas_.Font()).horizontalAdvance(label) + 2;
  const int width = std::max({1, static_cast<int>(std::lround(bar.width / twips_per_px_)), label_end});
  const int height = std::max(1, parentWidget()->height());
  parentWidget()->resize(width, height);
  setGeometry(0, 0, width, height);
  canvas_.Resize(width, height, devicePixelRatioF(), 1440.0 / twips_per_px_);
  DrawScaleBar(bar, canvas_);
  setAccessibleDescription(label);
  update();
}

void ScaleBarPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(QPointF(0, 0), canvas_.Image());
}

}  // namespace pellamar
