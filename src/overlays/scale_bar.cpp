#include "overlays/scale_bar.h"

#include <array>
#include <charconv>
#include <cmath>

namespace pellamar {
namespace {

constexpr double kKmPerMinute = 1.852;  // one minute of latitude, a nautical mile
constexpr double kLeft = 100;           // the bar starts here
constexpr Colour kRed = 0x0000FF, kBlue = 0xFF0000, kDarkGreen = 0x004000, kBlack = 0;

}  // namespace

ScaleBar ComputeScaleBar(float Pas_Inter) {
  const double scale = static_cast<double>(Pas_Inter);
  return ScaleBarFor((std::isfinite(scale) && scale > 0) ? scale / kKmPerMinute * 100.0 : 0.0);
}

ScaleBar ScaleBarFor(double U) {
  ScaleBar bar;
  bar.U = (std::isfinite(U) && U > 0) ? U : 0.0;
  if (bar.U < 600) {
    bar.S = 10, bar.km = 1000;
  } else if (bar.U <= 15000) {
    bar.S = 1, bar.km = 100;
  } else if (bar.U <= 200000) {
    bar.S = 0.1, bar.km = 10;
  } else {
    bar.S = 0.01, bar.km = 1;
  }
  bar.Lb = bar.U * bar.S;
  bar.width = bar.Lb + 1000;
  bar.tenths = bar.Lb > 2000;
  return bar;
}

double ScaleBarLabelLeft(const ScaleBar& bar) { return kLeft + bar.Lb + 200; }

std::string ScaleBarLabel(const ScaleBar& bar) {
  std::array<char, 12> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), bar.km).ptr;
  return std::string(digits.data(), end) + " km";
}

void DrawScaleBar(const ScaleBar& bar, Canvas& picture) {
  picture.Clear();
  picture.SetLineStyle(LineStyle::Solid);
  picture.SetLineWidth(1);
  const double right = kLeft + bar.Lb;
  picture.Line(kLeft, 50, kLeft, 150, kRed);
  picture.Line(right, 50, right, 150, kRed);
  if (bar.tenths) {
    for (int j = 1; j <= 9; ++j) {
      const double x = kLeft + j * bar.Lb / 10;
      picture.Line(x, 50, x, 100, kBlue);
    }
  }
  picture.Line(kLeft + bar.Lb / 2, 50, kLeft + bar.Lb / 2, 100, kDarkGreen);
  picture.Line(kLeft, 100, right, 100, kRed);
  picture.SetForeColour(kBlack);
  picture.SetPrintPosition(ScaleBarLabelLeft(bar), 100);
  picture.Print(ScaleBarLabel(bar));
}

}  // namespace pellamar
