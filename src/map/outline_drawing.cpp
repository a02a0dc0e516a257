#include "map/outline_drawing.h"

#include <cmath>

namespace pellamar {

void DrawOutline(const Outline& outline, const MapState& map, Canvas& canvas, Colour colour,
                 const std::function<void()>& step_progress) {
  const double H = canvas.HeightTwips();
  const double W = canvas.WidthTwips();
  if (!(H > 0.0) || !(W > 0.0) || map.Pas_Inter == 0.0f) return;

  // The vertical placement as a fraction of the sheet: K is the number of
  // map heights in 180 degrees (single precision, 10800 / ZOOMc).
  const float K = static_cast<float>(map.Pas_Inter * 60.0f * 180.0f / H);
  const double A = H * K * kSqrt2 - H * K;
  const double B = H * map.LatCent * K - H / 2.0;
  const double M = static_cast<double>(K) * 100.0;
  const double y_scale = H * K * kSqrt2;
  const float x_scale = 360.0f * map.PasLong * 60.0f;
  const float Xc = map.Xc;
  const float lon_cent = static_cast<float>(map.LonCent);

  const std::size_t n = outline.size();
  const double* xs = outline.x.data();
  const float* ys = outline.y.data();
  for (std::size_t i = 0; i < n; ++i) {
    const double x1 = xs[i];
    const float y1 = ys[i];
    if (x1 == 0.0 && y1 == 0.0f) break;  // end of the data
    if (i + 1 >= n) break;               // the entry after the last reads as 0
    const double x2 = xs[i + 1];
    const float y2 = ys[i + 1];
    if (x2 > 1.0 || x1 > 1.0 || x2 == 0.0) continue;

    const double Y1 = (1.0 - y1) * y_scale - A - B;
    if (Y1 < -M || Y1 > H + M) continue;
    const double Y2 = (1.0 - y2) * y_scale - A - B;
    if (Y2 < -M || Y2 > H + M) continue;
    const double X1 = Xc + (x1 - map.LonCent) * 360.0 * map.PasLong * 60.0;
    if (X1 < -M || X1 > W + M) continue;
    const float X2 = Xc + (static_cast<float>(x2) - lon_cent) * x_scale;
    if (X2 < -M || X2 > W + M) continue;

    canvas.Line(X1, Y1, X2, Y2, colour);
    if (i % 10000 == 1 && step_progress) step_progress();
  }
}

}  // namespace pellamar
