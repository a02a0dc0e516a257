#pragma once

#include <cstdint>
#include <string_view>

namespace pellamar {

// A 24-bit colour, red in the low byte: 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

enum class LineStyle { Solid, Dashed, Dotted };

// A persistent picture: what is drawn stays until Clear(). Coordinates are
// twips (1/1440 inch) in the picture's own frame, origin top-left, y down.
// Line widths are device pixels. Text is UTF-8.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual double WidthTwips() const = 0;
  virtual double HeightTwips() const = 0;

  // Erases everything and puts the print position back at (0, 0).
  virtual void Clear() = 0;

  virtual void SetLineStyle(LineStyle style) = 0;
  virtual void SetLineWidth(int pixels) = 0;
  virtual void Line(double x1, double y1, double x2, double y2, Colour colour) = 0;
  virtual void Circle(double cx, double cy, double radius, Colour colour) = 0;

  // Text output in the manner of a picture box: Print draws at the print
  // position in the fore colour, then moves the print position to x = 0 on
  // the next text line.
  virtual void SetForeColour(Colour colour) = 0;
  virtual void SetPrintPosition(double x, double y) = 0;
  virtual void Print(std::string_view utf8) = 0;
};

}  // namespace pellamar
