#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "map/outline_file.h"

namespace pellamar {

// An outline as the library keeps it between rebuilds: about a sixth of the
// memory of Outline, every point read back bit for bit.
//
// Nearly every point of an outline file is two decimals of at most 7
// places, read as the double (x) and the float (y) nearest to them. Such a
// point is a pair of whole numbers of 1e-7 units, and n / 1e7 (one correctly
// rounded division) is again the double nearest to the decimal. A point that
// follows such a point closely is kept as the two differences, in 3 bytes
// when both are within 1,023 units, in 4 within 16,383; the break point
// (2, 0) takes one byte; any other point (the first, the start of a line) is
// kept whole, in units when it has them, else as read (a value with more
// places, out of range, a signed zero).
class PackedOutline {
 public:
  PackedOutline() = default;
  explicit PackedOutline(const Outline& outline);

  std::size_t size() const { return size_; }
  // Bytes held by the points.
  std::size_t Bytes() const;

  // Reads the points in order.
  class Reader {
   public:
    explicit Reader(const PackedOutline& outline) : o_(outline) {}
    // The next point; at most size() calls.
    void Next(double& x, float& y);

   private:
    const PackedOutline& o_;
    std::size_t at_ = 0, as_read_ = 0;
    std::int64_t nx_ = 0, ny_ = 0;  // the previous point in 1e-7 units
  };

 private:
  // Each point starts with a byte that tells how it is kept:
  //   0xxxxxxx  a near step: 3 bytes, dx and dy in 11 bits each;
  //   10xxxxxx  a step: 4 bytes, dx and dy in 15 bits each;
  //   kWhole    the point in units: 8 more bytes, x then y as 32-bit
  //             numbers, low byte first;
  //   kAsRead   the next point of as_read_x_, as_read_y_;
  //   kBreak    the break point (2, 0).
  static constexpr std::uint8_t kWhole = 0xC0, kAsRead = 0xC1, kBreak = 0xC2;
  std::vector<std::uint8_t> bytes_;
  std::vector<double> as_read_x_;
  std::vector<float> as_read_y_;
  std::size_t size_ = 0;
};

}  // namespace pellamar
