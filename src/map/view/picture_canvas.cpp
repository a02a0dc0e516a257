#include "map/view/picture_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "map/view/line_walk.h"

namespace pellamar {

QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

void PictureCanvas::Resize(int width_px, int height_px, qreal device_pixel_ratio, qreal logical_dpi) {
  circle_painter_.reset();
  pending_.clear();
  width_px_ = std::max(width_px, 1);
  height_px_ = std::max(height_px, 1);
  twips_per_px_ = logical_dpi > 0 ? 1440.0 / logical_dpi : 15.0;
  const qreal ratio = device_pixel_ratio > 0 ? device_pixel_ratio : 1.0;
  // The old picture goes first: a full-screen one is 6 MB, and the two
  // together would set the process's peak memory on every resize. Three
  // bytes a pixel hold every 24-bit colour exactly, and take a quarter less
  // memory than 32-bit pixels; the raster engine converts when it paints.
  image_ = QImage();
  image_ = QImage(static_cast<int>(std::ceil(width_px_ * ratio)),
                  static_cast<int>(std::ceil(height_px_ * ratio)), QImage::Format_RGB888);
  image_.setDevicePixelRatio(ratio);
  pixels_per_twip_ = ratio / twips_per_px_;
  image_.fill(ToQColor(background_));
  print_x_ = print_y_ = 0;
}

const QImage& PictureCanvas::Image() {
  Flush();
  return image_;
}

void PictureCanvas::Clear() {
  circle_painter_.reset();
  pending_.clear();
  image_.fill(ToQColor(background_));
  print_x_ = print_y_ = 0;
}

void PictureCanvas::SetLineStyle(LineStyle style) {
  if (style == style_) return;
  Flush();
  style_ = style;
}

void PictureCanvas::SetLineWidth(int pixels) {
  if (pixels == line_width_) return;
  Flush();
  line_width_ = std::max(pixels, 1);
}

QPen PictureCanvas::Pen(Colour colour) const {
  QPen pen(ToQColor(colour));
  pen.setCosmetic(true);
  pen.setWidth(line_width_);
  switch (style_) {
    case LineStyle::Solid: pen.setStyle(Qt::SolidLine); break;
    case LineStyle::Dashed: pen.setStyle(Qt::DashLine); break;
    case LineStyle::Dotted: pen.setStyle(Qt::DotLine); break;
  }
  return pen;
}

void PictureCanvas::Line(double x1, double y1, double x2, double y2, Colour colour) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  circle_painter_.reset();
  if (!pending_.empty() && colour != pending_colour_) Flush();
  pending_colour_ = colour;
  const double k = 1.0 / twips_per_px_;
  if (style_ == LineStyle::Solid && line_width_ == 1 && !image_.isNull()) {
    const double s = pixels_per_twip_;
    RasteriseThinLine(x1 * s, y1 * s, x2 * s, y2 * s, colour);
    return;
  }
  pending_.emplace_back(x1 * k, y1 * k, x2 * k, y2 * k);
}

void PictureCanvas::RasteriseThinLine(double x1, double y1, double x2, double y2, Colour colour) {
  const double xmax = image_.width() - 0.5, ymax = image_.height() - 0.5;
  const auto inside = [&](double x, double y) { return x >= -0.5 && x < xmax && y >= -0.5 && y < ymax; };
  if (inside(x1, y1) && inside(x2, y2)) {
    // The common case: both ends on the picture.
    Bresenham(static_cast<int>(x1 + 0.5), static_cast<int>(y1 + 0.5), static_cast<int>(x2 + 0.5),
              static_cast<int>(y2 + 0.5), false, colour);
    return;
  }
  // Clip to the picture so a long line off the edge costs nothing; the walk
  // still checks each pixel against rounding at the edge.
  if (!ClipSegment(x1, y1, x2, y2, -0.5, -0.5, xmax, ymax)) return;
  Bresenham(static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)), static_cast<int>(std::lround(x2)),
            static_cast<int>(std::lround(y2)), true, colour);
}

void PictureCanvas::Bresenham(int ax, int ay, int bx, int by, bool check_bounds, Colour colour) {
  const int w = image_.width(), h = image_.height();
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  // Format_RGB888 keeps red, green, blue in that byte order.
  const auto r = static_cast<uchar>(RedOf(colour)), g = static_cast<uchar>(GreenOf(colour)),
             b = static_cast<uchar>(BlueOf(colour));
  WalkLine(ax, ay, bx, by, [&](int x, int y) {
    if (check_bounds && (x < 0 || x >= w || y < 0 || y >= h)) return;
    uchar* px = bits + y * stride + 3 * static_cast<qsizetype>(x);
    px[0] = r;
    px[1] = g;
    px[2] = b;
  });
}

void PictureCanvas::Flush() {
  circle_painter_.reset();
  if (pending_.empty() || image_.isNull()) {
    pending_.clear();
    return;
  }
  QPainter p(&image_);
  p.setPen(Pen(pending_colour_));
  p.drawLines(pending_.data(), static_cast<int>(pending_.size()));
  pending_.clear();
}

void PictureCanvas::Circle(double cx, double cy, double radius, Colour colour) {
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(radius) || image_.isNull()) return;
  if (!circle_painter_) {
    Flush();
    circle_painter_ = std::make_unique<QPainter>(&image_);
    circle_painter_->setRenderHint(QPainter::Antialiasing);
  }
  circle_painter_->setPen(Pen(colour));
  const double k = 1.0 / twips_per_px_;
  circle_painter_->drawEllipse(QPointF(cx * k, cy * k), radius * k, radius * k);
}

void PictureCanvas::Print(std::string_view utf8) {
  if (image_.isNull()) return;
  Flush();
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  QPainter p(&image_);
  p.setFont(font_);
  p.setPen(ToQColor(fore_));
  const double k = 1.0 / twips_per_px_;
  const QFontMetricsF metrics(font_, &image_);
  p.drawText(QPointF(print_x_ * k, print_y_ * k + metrics.ascent()), text);
  print_x_ = 0;
  print_y_ += metrics.height() * twips_per_px_;
}

}  // namespace pellamar
