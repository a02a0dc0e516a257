#include "map/outline_drawing.h"

#include <cmath>

namespace pellamar {

namespace {

// The drawing of any list of points; next(x, y) gives them in order.
template <class NextPoint>
void DrawPoints(std::size_t n, NextPoint&& next, const MapState& map, Canvas& canvas, Colour colour,
                const std::function<void()>& step_progress) {
  const double H = canvas.HeightTwips();
  const double W = canvas.WidthTwips();
  if (!(H > 0.0) || !(W > 0.0) || map.Pas_Inter == 0.0f || n == 0) return;

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

  // Whether the segment from point i to point i + 1 is drawn, and where.
  const auto segment = [&](double x1, float y1, double x2, float y2, double& X1, double& Y1, float& X2,
                           double& Y2) {
    if (x2 > 1.0 || x1 > 1.0 || x2 == 0.0) return false;
    Y1 = (1.0 - y1) * y_scale - A - B;
    if (Y1 < -M || Y1 > H + M) return false;
    Y2 = (1.0 - y2) * y_scale - A - B;
    if (Y2 < -M || Y2 > H + M) return false;
    X1 = Xc + (x1 - map.LonCent) * 360.0 * map.PasLong * 60.0;
    if (X1 < -M || X1 > W + M) return false;
    X2 = Xc + (static_cast<float>(x2) - lon_cent) * x_scale;
    return !(X2 < -M || X2 > W + M);
  };

  double x1;
  float y1;
  next(x1, y1);
  // The entry after the last point reads as (0, 0): the last point starts
  // no segment.
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (x1 == 0.0 && y1 == 0.0f) break;  // end of the data
    double x2;
    float y2;
    next(x2, y2);
    double X1, Y1, Y2;
    float X2;
    if (segment(x1, y1, x2, y2, X1, Y1, X2, Y2)) {
      canvas.Line(X1, Y1, X2, Y2, colour);
      if (i % 10000 == 1 && step_progress) step_progress();
    }
    x1 = x2;
    y1 = y2;
  }
}

}  // namespace

void DrawOutline(const Outline& outline, const MapState& map, Canvas& canvas, Colour colour,
                 const std::function<void()>& step_progress) {
  const double* xs = outline.x.data();
  const float* ys = outline.y.data();
  DrawPoints(
      outline.size(), [xs, ys, i = std::size_t{0}](double& x, float& y) mutable {
        x = xs[i];
        y = ys[i];
        ++i;
      },
      map, canvas, colour, step_progress);
}

void DrawOutline(const PackedOutline& outline, const MapState& map, Canvas& canvas, Colour colour,
                 const std::function<void()>& step_progress) {
  PackedOutline::Reader reader(outline);
  DrawPoints(
      outline.size(), [&reader](double& x, float& y) { reader.Next(x, y); }, map, canvas, colour,
      step_progress);
}

}  // namespace pellamar
