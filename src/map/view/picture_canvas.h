#pragma once

#include <QFont>
#include <QImage>
#include <QPen>
#include <QLineF>
#include <QPainter>
#include <memory>
#include <QString>
#include <vector>

#include "platform/canvas.h"

namespace pellamar {

// Turns a 0x00BBGGRR colour into a QColor.
QColor ToQColor(Colour colour);

// A persistent picture over a QImage. Coordinates arrive in twips and are
// converted once with the screen's logical DPI (15 twips a pixel at 96 DPI).
// Consecutive lines of one pen are batched and drawn together.
class PictureCanvas final : public Canvas {
 public:
  PictureCanvas() = default;

  // Resizes the image (its content is lost) for a picture of the given size
  // in device-independent pixels and the given pixel ratio and DPI.
  void Resize(int width_px, int height_px, qreal device_pixel_ratio, qreal logical_dpi);
  void SetBackground(Colour colour) { background_ = colour; }
  void SetFont(const QFont& font) { font_ = font; }
  const QFont& Font() const { return font_; }

  // The picture, every pending line drawn.
  const QImage& Image();

  double TwipsPerPixel() const { return twips_per_px_; }

  double WidthTwips() const override { return width_px_ * twips_per_px_; }
  double HeightTwips() const override { return height_px_ * twips_per_px_; }
  void Clear() override;
  void SetLineStyle(LineStyle style) override;
  void SetLineWidth(int pixels) override;
  void Line(double x1, double y1, double x2, double y2, Colour colour) override;
  void Circle(double cx, double cy, double radius, Colour colour) override;
  void SetForeColour(Colour colour) override { fore_ = colour; }
  void SetPrintPosition(double x, double y) override {
    print_x_ = x;
    print_y_ = y;
  }
  void Print(std::string_view utf8) override;

 private:
  void Flush();
  QPen Pen(Colour colour) const;
  // Solid one-pixel lines, the bulk of an outline, are set pixel by pixel.
  void RasteriseThinLine(double x1, double y1, double x2, double y2, Colour colour);
  void Bresenham(int ax, int ay, int bx, int by, bool check_bounds, Colour colour);

  QImage image_;
  int width_px_ = 0;
  int height_px_ = 0;
  double twips_per_px_ = 15.0;
  Colour background_ = 0xFFFFFF;
  LineStyle style_ = LineStyle::Solid;
  int line_width_ = 1;
  Colour fore_ = 0;
  QFont font_;
  double print_x_ = 0, print_y_ = 0;
  double pixels_per_twip_ = 1.0 / 15.0;  // device pixels
  std::vector<QLineF> pending_;
  Colour pending_colour_ = 0;
  // One painter serves a run of circles (a city layer draws thousands); it
  // ends before anything else touches the image.
  std::unique_ptr<QPainter> circle_painter_;
};

}  // namespace pellamar
