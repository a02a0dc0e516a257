#include "overlays/view/pool_painter.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "map/view/line_walk.h"
#include "map/view/map_picture.h"

namespace pellamar {
namespace {

// 0x00BBGGRR to an opaque QRgb (0xFFRRGGBB).
QRgb ToRgb(Colour c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

// Pixels of the picture, possibly held by a larger or smaller image:
// picture pixel (x, y) is bits[(y - origin.y) * stride + x - origin.x].
struct Target {
  QRgb* bits;
  qsizetype stride;  // in pixels
  QRect area;        // picture pixels that may change, all held by bits
  QPoint origin;
};

// Walks one pixel line (Bresenham) and sets the pixels of the pattern that
// lie in the area. The pattern is counted on the major axis's absolute
// coordinate so it does not depend on where the walk was clipped.
void Walk(const Target& t, int ax, int ay, int bx, int by, QRgb rgb, PenMode pen, LineStyle style,
          int width) {
  const bool x_major = std::abs(bx - ax) >= std::abs(by - ay);
  const int period = style == LineStyle::Dotted ? 2 : 6 * width;
  const int on = style == LineStyle::Dotted ? 1 : 4 * width;
  const int left = t.area.left(), right = t.area.right(), top = t.area.top(), bottom = t.area.bottom();
  WalkLine(ax, ay, bx, by, [&](int x, int y) {
    bool lit = true;
    if (style != LineStyle::Solid) {
      const int m = x_major ? x : y;
      lit = ((m % period) + period) % period < on;
    }
    if (lit && x >= left && x <= right && y >= top && y <= bottom) {
      QRgb& px = t.bits[(y - t.origin.y()) * t.stride + (x - t.origin.x())];
      px = pen == PenMode::Mask ? (px & (rgb | 0xFF000000u)) : rgb;
    }
  });
}

void PaintLine(const Target& t, const QSize& size, const PoolLine& l, double k) {
  double ax = l.X1 * k, ay = l.Y1 * k, bx = l.X2 * k, by = l.Y2 * k;
  const int width = std::max(l.width, 1);
  // Clipped to the whole image (not the area), so a line is walked alike in
  // every repaint.
  if (!ClipSegment(ax, ay, bx, by, -width - 1.0, -width - 1.0, size.width() + width + 0.0,
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

// `picture` is the size of the whole picture, in device pixels; k turns
// twips into them.
void PaintAll(const Target& t, const QSize& picture, const LinePools& pools, double k) {
  if (t.area.isEmpty()) return;
  for (const auto* pool : {&pools.P, &pools.N, &pools.L}) {
    for (const PoolLine& l : *pool) {
      if (l.visible) PaintLine(t, picture, l, k);
    }
  }
}

// The device pixels of a rectangle of logical pixels, at the ratio.
QRect DevicePixels(const QRect& logical, qreal ratio) {
  return QRect(QPoint(static_cast<int>(std::floor(logical.left() * ratio)),
                      static_cast<int>(std::floor(logical.top() * ratio))),
               QPoint(static_cast<int>(std::ceil((logical.right() + 1) * ratio)) - 1,
                      static_cast<int>(std::ceil((logical.bottom() + 1) * ratio)) - 1));
}

bool Rgb32Family(QImage::Format f) {
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

void PaintPools(QImage& image, const LinePools& pools, double twips_per_px, const QRect& area) {
  if (!(twips_per_px > 0) || image.isNull() || image.depth() != 32) return;
  const double k = image.devicePixelRatio() / twips_per_px;
  PaintAll({reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / 4, area.intersected(image.rect()), {}},
           image.size(), pools, k);
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
  const qreal ratio = map.devicePixelRatio();
  const QRect logical = event->rect();
  const QRect device = DevicePixels(logical, ratio).intersected(map.rect());
  QPainter painter(this);
  // Before the map has its size, what it does not cover is left white.
  if (!QRectF(QPointF(0, 0), map.deviceIndependentSize()).contains(QRectF(logical))) {
    painter.fillRect(logical, Qt::white);
  }
  if (device.isEmpty()) return;
  const QRectF target(device.topLeft() / ratio, QSizeF(device.size()) / ratio);
  if (pools_ == nullptr || !(twips_per_px_ > 0)) {
    painter.drawImage(target, map, QRectF(device));
    return;
  }
  const double k = ratio / twips_per_px_;
  // The window's backing store and the snapshot's bands are 32-bit images
  // painted by the raster engine, at the map's pixel ratio and a whole-pixel
  // offset: the map goes there and the pools are set straight on its pixels.
  QPaintEngine* engine = painter.paintEngine();
  QPaintDevice* surface = engine != nullptr ? engine->paintDevice() : nullptr;
  const QTransform m = painter.deviceTransform();
  const bool direct = surface != nullptr && engine->type() == QPaintEngine::Raster &&
                      surface->devType() == QInternal::Image && m.type() <= QTransform::TxScale &&
                      m.m11() == ratio && m.m22() == ratio && m.dx() == std::floor(m.dx()) &&
                      m.dy() == std::floor(m.dy());
  auto* image = direct ? static_cast<QImage*>(surface) : nullptr;
  if (image != nullptr && Rgb32Family(image->format()) && image->isDetached()) {
    painter.drawImage(target, map, QRectF(device));
    // Picture pixel p lies at p + offset on the image.
    const QPoint offset(static_cast<int>(m.dx()), static_cast<int>(m.dy()));
    const QRect held = image->rect().translated(-offset);
    QRegion clip;
    for (const QRect& r : event->region()) clip += DevicePixels(r, ratio);
    const QRegion system = engine->systemClip();
    if (!system.isEmpty()) clip &= system.translated(-offset);
    // Writing through constBits() keeps the buffer the engine paints in.
    auto* bits = reinterpret_cast<QRgb*>(const_cast<uchar*>(image->constBits()));
    for (const QRect& r : clip) {
      PaintAll({bits, image->bytesPerLine() / 4, r.intersected(device).intersected(held), -offset}, map.size(),
               *pools_, k);
    }
    return;
  }
  // Any other surface: the region's piece of the map, with the pools.
  QImage piece = map.copy(device).convertToFormat(QImage::Format_RGB32);
  if (piece.isNull()) return;
  PaintAll({reinterpret_cast<QRgb*>(piece.bits()), piece.bytesPerLine() / 4, device, device.topLeft()}, map.size(),
           *pools_, k);
  piece.setDevicePixelRatio(1);
  painter.drawImage(target, piece, QRectF(piece.rect()));
}

}  // namespace pellamar
