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

bool Fits(std::int64_t d, int bits) {
  const std::int64_t half = std::int64_t{1} << (bits - 1);
  return d >= -half && d < half;
}
bool FitsUnits(std::int64_t n) { return n >= INT32_MIN && n <= INT32_MAX; }

// The low `bits` bits of v as a signed number.
std::int64_t Signed(std::uint32_t v, int bits) {
  const std::uint32_t sign = std::uint32_t{1} << (bits - 1);
  v &= (sign << 1) - 1;
  return static_cast<std::int64_t>(v ^ sign) - static_cast<std::int64_t>(sign);
}

std::uint32_t Low(std::int64_t d, int bits) {
  return static_cast<std::uint32_t>(d) & ((std::uint32_t{1} << bits) - 1);
}

bool IsBreak(double x, float y) { return x == 2.0 && y == 0.0f && !std::signbit(y); }

}  // namespace

PackedOutline::PackedOutline(const Outline& outline) : size_(outline.size()) {
  bytes_.reserve(4 * size_);
  const auto put32 = [this](std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(v >> shift));
  };
  std::int64_t px = 0, py = 0;
  bool previous_in_units = false;
  for (std::size_t i = 0; i < size_; ++i) {
    const double x = outline.x[i];
    const float y = outline.y[i];
    std::int64_t nx = 0, ny = 0;
    const bool in_units = InUnits(x, y, nx, ny);
    const std::int64_t dx = nx - px, dy = ny - py;
    if (IsBreak(x, y)) {
      bytes_.push_back(kBreak);
      previous_in_units = false;  // the next point is kept whole
      continue;
    }
    if (in_units && previous_in_units && Fits(dx, 11) && Fits(dy, 11)) {
      const std::uint32_t v = Low(dx, 11) << 11 | Low(dy, 11);
      bytes_.push_back(static_cast<std::uint8_t>(v >> 16));
      bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
      bytes_.push_back(static_cast<std::uint8_t>(v));
    } else if (in_units && previous_in_units && Fits(dx, 15) && Fits(dy, 15)) {
      const std::uint32_t v = 0x80000000u | Low(dx, 15) << 15 | Low(dy, 15);
      for (int shift = 24; shift >= 0; shift -= 8) bytes_.push_back(static_cast<std::uint8_t>(v >> shift));
    } else if (in_units && FitsUnits(nx) && FitsUnits(ny)) {
      bytes_.push_back(kWhole);
      put32(static_cast<std::uint32_t>(nx));
      put32(static_cast<std::uint32_t>(ny));
    } else {
      bytes_.push_back(kAsRead);
      as_read_x_.push_back(x);
      as_read_y_.push_back(y);
    }
    px = nx;
    py = ny;
    previous_in_units = in_units;
  }
  bytes_.shrink_to_fit();
  as_read_x_.shrink_to_fit();
  as_read_y_.shrink_to_fit();
}

std::size_t PackedOutline::Bytes() const {
  return bytes_.capacity() + as_read_x_.capacity() * sizeof(double) + as_read_y_.capacity() * sizeof(float);
}

void PackedOutline::Reader::Next(double& x, float& y) {
  const std::uint8_t* b = o_.bytes_.data() + at_;
  if (b[0] < 0x80) {
    const std::uint32_t v = std::uint32_t{b[0]} << 16 | std::uint32_t{b[1]} << 8 | b[2];
    nx_ += Signed(v >> 11, 11);
    ny_ += Signed(v, 11);
    at_ += 3;
  } else if (b[0] < kWhole) {
    const std::uint32_t v = std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
    nx_ += Signed(v >> 15, 15);
    ny_ += Signed(v, 15);
    at_ += 4;
  } else if (b[0] == kWhole) {
    const auto get32 = [b](int at) {
      return static_cast<std::int32_t>(std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 |
                                       std::uint32_t{b[at + 2]} << 16 | std::uint32_t{b[at + 3]} << 24);
    };
    nx_ = get32(1);
    ny_ = get32(5);
    at_ += 9;
  } else if (b[0] == kAsRead) {
    x = o_.as_read_x_[as_read_];
    y = o_.as_read_y_[as_read_];
    ++as_read_;
    ++at_;
    // The units of the next step's start; a point without them is never
    // followed by a step.
    InUnits(x, y, nx_, ny_);
    return;
  } else {
    x = 2.0;
    y = 0.0f;
    ++at_;
    return;
  }
  x = static_cast<double>(nx_) / kUnitsPerOne;
  y = static_cast<float>(static_cast<double>(ny_) / kUnitsPerOne);
}

}  // namespace pellamar
