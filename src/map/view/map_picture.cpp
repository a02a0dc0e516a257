#include "map/view/map_picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace pellamar {

MapPicture::MapPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("Picture1");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.Resize(1, 1, devicePixelRatioF(), logicalDpiY());
}

QPointF MapPicture::ToTwips(QPointF pixels) const { return pixels * canvas_.TwipsPerPixel(); }

void MapPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(QPointF(0, 0), canvas_.Image());
}

void MapPicture::mouseReleaseEvent(QMouseEvent* event) {
  emit released(event->button(), ToTwips(event->position()));
}

void MapPicture::mouseMoveEvent(QMouseEvent* event) { emit moved(ToTwips(event->position())); }

bool MapPicture::SyncCanvasSize() {
  if (canvas_size_ == size()) return false;
  canvas_size_ = size();
  canvas_.Resize(width(), height(), devicePixelRatioF(), logicalDpiY());
  return true;
}

void MapPicture::resizeEvent(QResizeEvent*) {
  if (SyncCanvasSize()) emit resized();
}

}  // namespace pellamar
