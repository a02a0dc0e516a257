#pragma once

#include <QImage>
#include <QWidget>

#include "platform/canvas.h"

namespace pellamar {

// A picture box for the Sun dials: a widget holding a persistent picture
// drawn through the Canvas interface in twips, converted to pixels with the
// screen's logical DPI (px = twips · dpi / 1440). Pens are cosmetic; as in a
// picture box, dashes and dots apply to 1-pixel pens only and wider pens draw
// solid, and lines are not antialiased: a needle that moves by a fraction of
// a pixel leaves the picture as it was, so the refresh repaints nothing. Emits clicked() on a left click.
class DialPicture final : public QWidget, public Canvas {
  Q_OBJECT

 public:
  DialPicture(double width_twips, double height_twips, QWidget* parent = nullptr);

  // The picture as last drawn.
  [[nodiscard]] const QImage& Picture() const { return image_; }

  // Schedules a repaint when the picture differs from what was last painted
  // (drawing alone never repaints: a redraw that comes out the same costs
  // no paint).
  void Present();

  double WidthTwips() const override { return width_twips_; }
  double HeightTwips() const override { return height_twips_; }
  void Clear() override;
  void SetLineStyle(LineStyle style) override { style_ = style; }
  void SetLineWidth(int pixels) override { line_width_ = pixels; }
  void Line(double x1, double y1, double x2, double y2, Colour colour) override;
  void Circle(double cx, double cy, double radius, Colour colour) override;
  void SetForeColour(Colour colour) override { fore_ = colour; }
  void SetPrintPosition(double x, double y) override;
  void Print(std::string_view utf8) override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  [[nodiscard]] QPen Pen(Colour colour) const;

  double width_twips_;
  double height_twips_;
  double px_per_twip_;
  QImage image_;
  QImage painted_;  // what the widget last showed
  LineStyle style_ = LineStyle::Solid;
  int line_width_ = 1;
  Colour fore_ = 0;
  double print_x_ = 0;
  double print_y_ = 0;
};

}  // namespace pellamar
