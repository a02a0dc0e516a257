// An outline file of any bytes: read as points or refused as too long,
// packed and read back bit for bit, and drawn on a whole-world map without a
// segment outside the margin.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz_target.h"
#include "map/outline_drawing.h"
#include "map/outline_file.h"
#include "map/packed_outline.h"

namespace pellamar::fuzz {
namespace {

// A canvas that only checks where lines go.
class CheckingCanvas final : public Canvas {
 public:
  CheckingCanvas(double w, double h, double margin) : w_(w), h_(h), m_(margin) {}
  double WidthTwips() const override { return w_; }
  double HeightTwips() const override { return h_; }
  void Clear() override {}
  void SetLineStyle(LineStyle) override {}
  void SetLineWidth(int) override {}
  void Line(double x1, double y1, double x2, double y2, Colour) override {
    for (double x : {x1, x2}) Require(x >= -m_ && x <= w_ + m_);
    for (double y : {y1, y2}) Require(y >= -m_ && y <= h_ + m_);
    ++lines;
  }
  void Circle(double, double, double, Colour) override { Require(false); }
  void SetForeColour(Colour) override {}
  void SetPrintPosition(double, double) override {}
  void Print(std::string_view) override { Require(false); }
  std::size_t lines = 0;

 private:
  double w_, h_, m_;
};

}  // namespace

void FuzzOne(std::string_view bytes) {
  const OutlineLoad load = ParseOutline(bytes);
  std::size_t lines = 0;
  for (char c : bytes) lines += c == '\n';
  if (!bytes.empty() && bytes.back() != '\n') ++lines;
  if (load.status == OutlineStatus::TooLong) {
    Require(lines > kOutlineCapacity && load.outline.size() == 0);
    return;
  }
  Require(load.status == OutlineStatus::Ok);
  Require(load.outline.size() == lines && load.outline.y.size() == lines);

  const PackedOutline packed(load.outline);
  Require(packed.size() == lines);
  PackedOutline::Reader reader(packed);
  for (std::size_t i = 0; i < lines; ++i) {
    double x;
    float y;
    reader.Next(x, y);
    Require(std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(load.outline.x[i]) &&
            std::bit_cast<std::uint32_t>(y) == std::bit_cast<std::uint32_t>(load.outline.y[i]));
  }

  MapState map;
  map.ZOOMc = kWholeWorldZoom;
  SetCentre(map, 0, 0);
  PlaceCentre(map, 28600, 13565);
  UpdateScales(map, 28600, 13565);
  // 100 × K twips, K = 10800 / ZOOMc; a little more for float rounding.
  CheckingCanvas canvas(28600, 13565, 100 * 10800 / kWholeWorldZoom + 1);
  std::size_t steps = 0;
  DrawOutline(load.outline, map, canvas, 0, [&steps] { ++steps; });
  Require(canvas.lines < lines + 1 && steps <= canvas.lines);
}

}  // namespace pellamar::fuzz
