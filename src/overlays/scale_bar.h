#pragma once

#include <string>

#include "platform/canvas.h"

namespace pellamar {

// The kilometre scale of the map: a bar standing for a power of ten of
// kilometres. Lengths are twips of the scale picture (the map's twips).
struct ScaleBar {
  double U = 0;       // twips per 100 km (one minute of latitude = 1.852 km)
  double S = 10;      // factor: 10, 1, 0.1 or 0.01
  double Lb = 0;      // the bar's length, U·S
  int km = 1000;      // what the bar stands for, 100·S
  double width = 0;   // width the picture takes: Lb + 1000
  bool tenths = false;  // the bar is long enough (Lb > 2000) to show tenths
};

// The bar for a map of Pas_Inter twips per minute of latitude. A zero,
// negative or NaN scale gives U = 0 (a bar of length 0, 1000 km).
[[nodiscard]] ScaleBar ComputeScaleBar(float Pas_Inter);

// The bar for U twips per 100 km: U < 600 gives S = 10; 600 <= U <= 15000,
// 1; up to 200000, 0.1; beyond, 0.01.
[[nodiscard]] ScaleBar ScaleBarFor(double U);

// The text printed after the bar: "1000 km", "100 km", "10 km" or "1 km".
[[nodiscard]] std::string ScaleBarLabel(const ScaleBar& bar);

// Where the label starts, twips from the picture's left edge.
[[nodiscard]] double ScaleBarLabelLeft(const ScaleBar& bar);

// Clears the scale picture and draws the bar: red end ticks and bar, blue
// tenths when the bar is long enough, a dark green middle tick, and the
// label in black 200 twips after the bar's end.
void DrawScaleBar(const ScaleBar& bar, Canvas& picture);

}  // namespace pellamar
