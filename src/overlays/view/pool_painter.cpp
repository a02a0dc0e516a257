#include "overlays/view/pool_painter.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "map/view/map_picture.h"

namespace pellamar {
namespace {

// 0x00BBGGRR to an opaque QRgb (0xFFRRGGBB).
QRgb ToRgb(Colour c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

// Clips the segment to the rectangle [x0, x1] x [y0, y1] (Liang–Barsky).
// False when nothing is left.
bool Clip(double& ax, double& ay, double& bx, double& by, double x0, double y0, double x1, double y1) {
  if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) return false;
  const double dx = bx - ax, dy = by - ay;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {ax - x0, x1 - ax, ay - y0, y1 - ay};
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
  const double sx = ax, sy = ay;
  ax = sx + t0 * dx, ay = sy + t0 * dy;
  bx = sx + t1 * dx, by = sy + t1 * dy;
  return true;
}

struct Target {
  QRgb* bits;
  qsizetype stride;  // in pixels
  QRect area;
};

// Walks one pixel line (Bresenham) and sets the pixels of the pattern that
// lie in the area. The pattern is counted on the major axis's absolute
// coordinate so it does not depend on where the walk was clipped.
void Walk(const Target& t, int ax, int ay, int bx, int by, QRgb rgb, PenMode pen, LineStyle style,
          int width) {
  const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
  const int adx = std::abs(bx - ax), ady = -std::abs(by - ay);
  const bool x_major = adx >= -ady;
  const int period = style == LineStyle::Dotted ? 2 : 6 * width;
  const int on = style == LineStyle::Dotted ? 1 : 4 * width;
  const int left = t.area.left(), right = t.area.right(), top = t.area.top(), bottom = t.area.bottom();
  int err = adx + ady;
  for (;;) {
    bool lit = true;
    if (style != LineStyle::Solid) {
      const int m = x_major ? ax : ay;
      lit = ((m % period) + period) % period < on;
    }
    if (lit && ax >= left && ax <= right && ay >= top && ay <= bottom) {
      QRgb& px = t.bits[ay * t.stride + ax];
      px = pen == PenMode::Mask ? (px & (rgb | 0xFF000000u)) : rgb;
    }
    if (ax == bx && ay == by) break;
    const int e2 = 2 * err;
    if (e2 >= ady) {
      err += ady;
      ax += sx;
    }
    if (e2 <= adx) {
      err += adx;
      ay += sy;
    }
  }
}

void PaintLine(const Target& t, const QSize& size, const PoolLine& l, double k) {
  double ax = l.X1 * k, ay = l.Y1 * k, bx = l.X2 * k, by = l.Y2 * k;
  const int width = std::max(l.width, 1);
  // Clipped to the whole image (not the area), so a line is walked alike in
  // every repaint.
  if (!Clip(ax, ay, bx, by, -width - 1.0, -width - 1.0, size.width() + width + 0.0,
            size.height() + width + 0.0)) {
    return;
  }
  const auto px = [](double v) { return static_cast<int>(std::floor(v + 0.5)); };
  const int x1 = px(ax), y1 = px(ay), x2 = px(bx), y2 = px(by);
  const bool x_major = std::abs(x2 - x1) >= std::abs(y2 - y1);
  const QRgb rgb = ToRgb(l.colour);
  // A wider pen repeats the walk beside the line, across its major axis.
  for (int i = 0; i < width; ++i) {
    const int off = i - (width - 1) / 2;
    const int ox = x_major ? 0 : off, oy = x_major ? off : 0;
    Walk(t, x1 + ox, y1 + oy, x2 + ox, y2 + oy, rgb, l.pen, l.style, width);
  }
}

}  // namespace

void PaintPools(QImage& image, const LinePools& pools, double twips_per_px, const QRect& area) {
  if (!(twips_per_px > 0) || image.isNull() || image.depth() != 32) return;
  const double k = image.devicePixelRatio() / twips_per_px;
  const Target t{reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / 4,
                 area.intersected(image.rect())};
  if (t.area.isEmpty()) return;
  for (const auto* pool : {&pools.P, &pools.N, &pools.L}) {
    for (const PoolLine& l : *pool) {
      if (l.visible) PaintLine(t, image.size(), l, k);
    }
  }
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
  // Kept within what an int holds; the widget clips it.
  const auto px = [](double v) { return static_cast<int>(std::clamp(v, -1.0e6, 1.0e6)); };
  return QRect(QPoint(px(std::floor(left)) - pen - 1, px(std::floor(top)) - pen - 1),
               QPoint(px(std::ceil(right)) + pen + 1, px(std::ceil(bottom)) + pen + 1));
}

PoolOverlay::PoolOverlay(const LinePools* pools, double twips_per_px, MapPicture* map)
    : QWidget(map), pools_(pools), twips_per_px_(twips_per_px), map_(map) {
  setObjectName("LinePools");
  setAccessibleName(QString::fromUtf8("Courbe d'ensoleillement, zone de nuit, parallèles et méridien"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  // Every repaint covers its region with the map's own picture.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(map->rect());
  // The lines lie on the map, under every panel floating on it.
  lower();
  map->installEventFilter(this);
}

bool PoolOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == map_ && event->type() == QEvent::Resize) setGeometry(map_->rect());
  return QWidget::eventFilter(watched, event);
}

void PoolOverlay::paintEvent(QPaintEvent* event) {
  const QImage& map = map_->Canvas().Image();
  if (composed_.size() != map.size() || composed_.format() != map.format()) {
    composed_ = QImage(map.size(), map.format());
  }
  composed_.setDevicePixelRatio(map.devicePixelRatio());
  const qreal ratio = map.devicePixelRatio();
  const QRect logical = event->rect();
  const QRect device = QRect(QPoint(static_cast<int>(std::floor(logical.left() * ratio)),
                                    static_cast<int>(std::floor(logical.top() * ratio))),
                             QPoint(static_cast<int>(std::ceil((logical.right() + 1) * ratio)) - 1,
                                    static_cast<int>(std::ceil((logical.bottom() + 1) * ratio)) - 1))
                           .intersected(map.rect());
  QPainter painter(this);
  // Before the map has its size, what it does not cover is left white.
  if (!QRectF(QPointF(0, 0), map.deviceIndependentSize()).contains(QRectF(logical))) {
    painter.fillRect(logical, Qt::white);
  }
  if (device.isEmpty()) return;
  const qsizetype bytes = static_cast<qsizetype>(device.width()) * 4;
  for (int y = device.top(); y <= device.bottom(); ++y) {
    std::memcpy(composed_.scanLine(y) + static_cast<qsizetype>(device.left()) * 4,
                map.constScanLine(y) + static_cast<qsizetype>(device.left()) * 4, static_cast<size_t>(bytes));
  }
  if (pools_ != nullptr) PaintPools(composed_, *pools_, twips_per_px_, device);
  painter.drawImage(QRectF(device.topLeft() / ratio, QSizeF(device.size()) / ratio), composed_,
                    QRectF(device));
}

}  // namespace pellamar
