#include "map/view/line_walk.h"

#include <cmath>

namespace pellamar {

bool ClipSegment(double& ax, double& ay, double& bx, double& by, double x0, double y0, double x1, double y1) {
  if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) return false;
  const double dx = bx - ax, dy = by - ay;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {ax - x0, x1 - ax, ay - y0, y1 - ay};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const double sx = ax, sy = ay;
  ax = sx + t0 * dx, ay = sy + t0 * dy;
  bx = sx + t1 * dx, by = sy + t1 * dy;
  return true;
}

}  // namespace pellamar
