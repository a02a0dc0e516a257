#pragma once

#include <QRect>
#include <cmath>

#include "platform/twip_rect.h"

namespace pellamar {

// Converts the designed twip geometry to device-independent pixels.
class Twips {
 public:
  explicit Twips(double twips_per_px = 15.0) : k_(twips_per_px) {}
  double PerPixel() const { return k_; }
  int Px(double twips) const { return static_cast<int>(std::lround(twips / k_)); }
  QRect Rect(const TwipRect& r) const { return QRect(Px(r.left), Px(r.top), Px(r.width), Px(r.height)); }
  QRect Rect(double left, double top, double width, double height) const {
    return QRect(Px(left), Px(top), Px(width), Px(height));
  }

 private:
  double k_;
};

}  // namespace pellamar
