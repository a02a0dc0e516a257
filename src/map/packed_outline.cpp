#include "map/packed_outline.h"

#include <cmath>

namespace pellamar {
namespace {

constexpr double kUnitsPerOne = 1e7;

// The point in 1e-7 units, when they give it back exactly.
bool InUnits(double x, float y, std::int64_t& nx, std::int64_t& ny) {
  constexpr double kLimit = 1e15;  // whole numbers exact in a double
  const double ux = x * kUnitsPerOne, uy = static_cast<double>(y) * kUnitsPerOne;
  if (!(std::fabs(ux) < kLimit) || !(std::fabs(uy) < kLimit)) return false;  // NaN too
  nx = std::llround(ux);
  ny = std::llround(uy);
  return static_cast<double>(nx) / kUnitsPerOne == x &&
         static_cast<float>(static_cast<double>(ny) / kUnitsPerOne) == y &&
         !(x == 0.0 && std::signbit(x)) && !(y == 0.0f && std::signbit(y));
}

bool FitsStep(std::int64_t d) { return d > INT16_MIN && d <= INT16_MAX; }
bool FitsUnits(std::int64_t n) { return n >= INT32_MIN && n <= INT32_MAX; }

}  // namespace

PackedOutline::PackedOutline(const Outline& outline) : size_(outline.size()) {
  steps_.reserve(2 * size_);
  std::int64_t px = 0, py = 0;
  bool previous_in_units = false;
  for (std::size_t i = 0; i < size_; ++i) {
    const double x = outline.x[i];
    const float y = outline.y[i];
    std::int64_t nx = 0, ny = 0;
    const bool in_units = InUnits(x, y, nx, ny);
    if (in_units && previous_in_units && FitsStep(nx - px) && FitsStep(ny - py)) {
      steps_.push_back(static_cast<std::int16_t>(nx - px));
      steps_.push_back(static_cast<std::int16_t>(ny - py));
    } else if (in_units && FitsUnits(nx) && FitsUnits(ny)) {
      steps_.push_back(kWhole);
      steps_.push_back(kInUnits);
      units_.push_back(static_cast<std::int32_t>(nx));
      units_.push_back(static_cast<std::int32_t>(ny));
    } else {
      steps_.push_back(kWhole);
      steps_.push_back(kAsRead);
      as_read_x_.push_back(x);
      as_read_y_.push_back(y);
    }
    px = nx;
    py = ny;
    previous_in_units = in_units;
  }
  units_.shrink_to_fit();
  as_read_x_.shrink_to_fit();
  as_read_y_.shrink_to_fit();
}

std::size_t PackedOutline::Bytes() const {
  return steps_.capacity() * sizeof(std::int16_t) + units_.capacity() * sizeof(std::int32_t) +
         as_read_x_.capacity() * sizeof(double) + as_read_y_.capacity() * sizeof(float);
}

void PackedOutline::Reader::Next(double& x, float& y) {
  const std::int16_t dx = o_.steps_[step_], dy = o_.steps_[step_ + 1];
  step_ += 2;
  if (dx == kWhole && dy == kInUnits) {
    nx_ = o_.units_[unit_];
    ny_ = o_.units_[unit_ + 1];
    unit_ += 2;
  } else if (dx == kWhole) {
    x = o_.as_read_x_[as_read_];
    y = o_.as_read_y_[as_read_];
    ++as_read_;
    // The units of the next step's start; a point without them is never
    // followed by a step.
    InUnits(x, y, nx_, ny_);
    return;
  } else {
    nx_ += dx;
    ny_ += dy;
  }
  x = static_cast<double>(nx_) / kUnitsPerOne;
  y = static_cast<float>(static_cast<double>(ny_) / kUnitsPerOne);
}

}  // namespace pellamar
