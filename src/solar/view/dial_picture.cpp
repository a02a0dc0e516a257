#include "solar/view/dial_picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <cmath>

namespace pellamar {
namespace {

QColor ToColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace

DialPicture::DialPicture(double width_twips, double height_twips, QWidget* parent)
    : QWidget(parent),
      width_twips_(width_twips),
      height_twips_(height_twips),
      px_per_twip_(logicalDpiX() / 1440.0) {
  const QSize size(static_cast<int>(std::lround(width_twips * px_per_twip_)),
                   static_cast<int>(std::lround(height_twips * px_per_twip_)));
  setFixedSize(size);
  const qreal ratio = devicePixelRatioF();
  image_ = QImage(size * ratio, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  Clear();
}

void DialPicture::Clear() {
  image_.fill(palette().color(QPalette::Window));
  print_x_ = 0;
  print_y_ = 0;
}

QPen DialPicture::Pen(Colour colour) const {
  QPen pen(ToColor(colour));
  pen.setCosmetic(true);
  pen.setWidth(line_width_);
  if (line_width_ <= 1) {
    if (style_ == LineStyle::Dashed) pen.setStyle(Qt::DashLine);
    if (style_ == LineStyle::Dotted) pen.setStyle(Qt::DotLine);
  }
  return pen;
}

void DialPicture::Line(double x1, double y1, double x2, double y2, Colour colour) {
  QPainter p(&image_);
  p.setPen(Pen(colour));
  const double k = px_per_twip_;
  p.drawLine(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
}

void DialPicture::Circle(double cx, double cy, double radius, Colour colour) {
  QPainter p(&image_);
  p.setPen(Pen(colour));
  const double k = px_per_twip_;
  p.drawEllipse(QPointF(cx * k, cy * k), radius * k, radius * k);
}

void DialPicture::SetPrintPosition(double x, double y) {
  print_x_ = x;
  print_y_ = y;
}

void DialPicture::Print(std::string_view utf8) {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  QPainter p(&image_);
  p.setFont(font());
  p.setPen(ToColor(fore_));
  const QFontMetricsF metrics(font());
  const double k = px_per_twip_;
  p.drawText(QPointF(print_x_ * k, print_y_ * k + metrics.ascent()), text);
  print_x_ = 0;
  print_y_ += metrics.height() / k;
}

void DialPicture::Present() {
  if (image_ != painted_) update();
}

void DialPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(QPoint(0, 0), image_);
  painted_ = image_;  // shared, not copied, until the next drawing
}

void DialPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace pellamar
