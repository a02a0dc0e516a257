#include "overlays/view/pool_painter.h"

#include <QEvent>
#include <algorithm>
#include <QLineF>
#include <QPaintEvent>
#include <cmath>
#include <vector>

#include "map/view/picture_canvas.h"

namespace pellamar {
namespace {

// Clips the segment to `r` (Liang–Barsky). False when nothing is left.
bool Clip(QLineF& line, const QRectF& r) {
  const double x1 = line.x1(), y1 = line.y1(), dx = line.dx(), dy = line.dy();
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(dx) || !std::isfinite(dy)) return false;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - r.left(), r.right() - x1, y1 - r.top(), r.bottom() - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  line = QLineF(x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy);
  return true;
}

QPen PenFor(const PoolLine& l) {
  QPen pen(ToQColor(l.colour));
  pen.setCosmetic(true);
  pen.setWidth(std::max(l.width, 1));
  pen.setCapStyle(Qt::FlatCap);
  switch (l.style) {
    case LineStyle::Solid: pen.setStyle(Qt::SolidLine); break;
    case LineStyle::Dashed: pen.setStyle(Qt::DashLine); break;
    case LineStyle::Dotted: pen.setDashPattern({1.0, 1.0}); break;
  }
  return pen;
}

bool SamePen(const PoolLine& a, const PoolLine& b) {
  return a.colour == b.colour && a.style == b.style && a.width == b.width && a.pen == b.pen;
}

// Draws one pool, lines of one pen together.
void PaintPool(QPainter& painter, const std::vector<PoolLine>& pool, double k, const QRectF& area,
               std::vector<QLineF>& batch) {
  const PoolLine* batch_pen = nullptr;
  const auto flush = [&] {
    if (batch.empty() || batch_pen == nullptr) return;
    painter.setCompositionMode(batch_pen->pen == PenMode::Mask ? QPainter::RasterOp_SourceAndDestination
                                                               : QPainter::CompositionMode_SourceOver);
    painter.setPen(PenFor(*batch_pen));
    painter.drawLines(batch.data(), static_cast<int>(batch.size()));
    batch.clear();
  };
  for (const PoolLine& l : pool) {
    if (!l.visible) continue;
    QLineF line(l.X1 * k, l.Y1 * k, l.X2 * k, l.Y2 * k);
    if (!Clip(line, area)) continue;
    if (batch_pen != nullptr && !SamePen(*batch_pen, l)) flush();
    batch_pen = &l;
    batch.push_back(line);
  }
  flush();
}

}  // namespace

void PaintPools(QPainter& painter, const LinePools& pools, double twips_per_px, const QRect& area) {
  if (!(twips_per_px > 0)) return;
  const double k = 1.0 / twips_per_px;
  // A little room round the area so wide pens at the edge stay whole.
  const QRectF bounds = QRectF(area).adjusted(-4, -4, 4, 4);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  std::vector<QLineF> batch;
  batch.reserve(kDaylightLines);
  PaintPool(painter, pools.P, k, bounds, batch);
  PaintPool(painter, pools.N, k, bounds, batch);
  PaintPool(painter, pools.L, k, bounds, batch);
  painter.restore();
}

QRect DaylightBounds(const LinePools& pools, double twips_per_px) {
  if (!(twips_per_px > 0)) return {};
  const double k = 1.0 / twips_per_px;
  double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
  int pen = 1;
  for (const auto* pool : {&pools.L, &pools.N}) {
    for (const PoolLine& l : *pool) {
      if (!l.visible) continue;
      left = std::min({left, l.X1 * k, l.X2 * k});
      right = std::max({right, l.X1 * k, l.X2 * k});
      top = std::min({top, l.Y1 * k, l.Y2 * k});
      bottom = std::max({bottom, l.Y1 * k, l.Y2 * k});
      pen = std::max(pen, l.width);
    }
  }
  if (!(left <= right) || !(top <= bottom)) return {};
  // Keep the rectangle within what an int holds; the widget clips it.
  const auto px = [](double v) { return static_cast<int>(std::clamp(v, -1.0e6, 1.0e6)); };
  return QRect(QPoint(px(std::floor(left)) - pen - 1, px(std::floor(top)) - pen - 1),
               QPoint(px(std::ceil(right)) + pen + 1, px(std::ceil(bottom)) + pen + 1));
}

PoolOverlay::PoolOverlay(const LinePools* pools, double twips_per_px, QWidget* map)
    : QWidget(map), pools_(pools), twips_per_px_(twips_per_px) {
  setObjectName("LinePools");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(map->rect());
  // The lines lie on the map, under every panel floating on it.
  lower();
  map->installEventFilter(this);
}

bool PoolOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

void PoolOverlay::paintEvent(QPaintEvent* event) {
  if (pools_ == nullptr) return;
  QPainter painter(this);
  painter.setClipRect(event->rect());
  PaintPools(painter, *pools_, twips_per_px_, rect());
}

}  // namespace pellamar
