#pragma once

// The pixel walk and the clip shared by the picture's thin lines and the
// overlay's line pools.
#include <cstdlib>

namespace pellamar {

// Clips the segment to the rectangle [x0, x1] x [y0, y1] (Liang–Barsky),
// moving its ends onto the part that is left. False when nothing is left or
// an end is not finite.
bool ClipSegment(double& ax, double& ay, double& bx, double& by, double x0, double y0, double x1, double y1);

// Calls visit(x, y) for every pixel of the line from (ax, ay) to (bx, by),
// both ends included, in order from a to b (Bresenham, every octant).
template <typename Visit>
void WalkLine(int ax, int ay, int bx, int by, Visit&& visit) {
  const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
  const int adx = std::abs(bx - ax), ady = -std::abs(by - ay);
  int err = adx + ady;
  for (;;) {
    visit(ax, ay);
    if (ax == bx && ay == by) break;
    const int e2 = 2 * err;
    if (e2 >= ady) {
      err += ady;
      ax += sx;
    }
    if (e2 <= adx) {
      err += adx;
      ay += sy;
    }
  }
}

}  // namespace pellamar
