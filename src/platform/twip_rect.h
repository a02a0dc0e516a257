#pragma once

namespace pellamar {

// A rectangle in twips, in its parent's frame.
struct TwipRect {
  double left = 0, top = 0, width = 0, height = 0;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
};

}  // namespace pellamar
