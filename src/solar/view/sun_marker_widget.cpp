#include "solar/view/sun_marker_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace pellamar {
namespace {

constexpr int kSizePx = 32;

// A yellow disc with eight rays, on a transparent ground.
QPixmap DrawSun(qreal ratio) {
  QPixmap pixmap(QSize(kSizePx, kSizePx) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(kSizePx / 2.0, kSizePx / 2.0);
  QPen ray(QColor(255, 170, 0), 2.0, Qt::SolidLine, Qt::RoundCap);
  p.setPen(ray);
  for (int i = 0; i < 8; ++i) {
    const qreal a = i * M_PI / 4;
    const QPointF dir(qCos(a), qSin(a));
    p.drawLine(centre + dir * 10.0, centre + dir * 15.0);
  }
  p.setPen(QPen(QColor(230, 140, 0), 1.0));
  p.setBrush(QColor(255, 220, 0));
  p.drawEllipse(centre, 8.0, 8.0);
  return pixmap;
}

}  // namespace

SunMarker::SunMarker(QWidget* parent) : QWidget(parent), picture_(DrawSun(devicePixelRatioF())) {
  setObjectName("Soleil");
  setFixedSize(kSizePx, kSizePx);
  setMouseTracking(true);
  setAttribute(Qt::WA_TranslucentBackground);
}

void SunMarker::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

QSizeF SunMarker::SizeTwips() const {
  const double twips_per_px = 1440.0 / logicalDpiX();
  return QSizeF(width() * twips_per_px, height() * twips_per_px);
}

void SunMarker::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(rect(), picture_);
}

// The image answers the mouse itself: nothing it receives reaches the map
// beneath, or one click would re-centre the map twice.
void SunMarker::mousePressEvent(QMouseEvent* event) { event->accept(); }

void SunMarker::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  event->accept();
}

void SunMarker::mouseMoveEvent(QMouseEvent* event) {
  const double twips_per_px = 1440.0 / logicalDpiX();
  emit pointerMoved(event->position() * twips_per_px);
  event->accept();
}

}  // namespace pellamar
