#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace pellamar::testing {

// A Canvas that records what is drawn, for tests. Text lines are 240 twips
// high (a 12-point line).
class RecordingCanvas final : public Canvas {
 public:
  struct Line {
    double x1, y1, x2, y2;
    Colour colour;
    LineStyle style;
    int width;
  };
  struct Circle {
    double cx, cy, r;
    Colour colour;
    LineStyle style;
    int width;
  };
  struct Text {
    double x, y;
    std::string text;
    Colour colour;
  };

  RecordingCanvas(double width_twips, double height_twips)
      : width_(width_twips), height_(height_twips) {}

  double WidthTwips() const override { return width_; }
  double HeightTwips() const override { return height_; }
  void Clear() override {
    lines.clear();
    circles.clear();
    texts.clear();
    print_x = print_y = 0;
    ++clears;
  }
  void SetLineStyle(LineStyle s) override { style = s; }
  void SetLineWidth(int w) override { width = w; }
  void Line(double x1, double y1, double x2, double y2, Colour c) override {
    lines.push_back({x1, y1, x2, y2, c, style, width});
  }
  void Circle(double cx, double cy, double r, Colour c) override {
    circles.push_back({cx, cy, r, c, style, width});
  }
  void SetForeColour(Colour c) override { fore = c; }
  void SetPrintPosition(double x, double y) override {
    print_x = x;
    print_y = y;
  }
  void Print(std::string_view utf8) override {
    texts.push_back({print_x, print_y, std::string(utf8), fore});
    print_x = 0;
    print_y += kLineHeight;
  }

  static constexpr double kLineHeight = 240;

  std::vector<struct Line> lines;
  std::vector<struct Circle> circles;
  std::vector<Text> texts;
  LineStyle style = LineStyle::Solid;
  int width = 1;
  Colour fore = 0;
  double print_x = 0, print_y = 0;
  int clears = 0;

 private:
  double width_, height_;
};

}  // namespace pellamar::testing
