#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "map/outline_file.h"

namespace pellamar {

// An outline as the library keeps it between rebuilds: a third of the
// memory of Outline, every point read back bit for bit.
//
// Nearly every point of an outline file is two decimals of at most 7
// places, read as the double (x) and the float (y) nearest to them. Such a
// point is a pair of whole numbers of 1e-7 units, and n / 1e7 (one correctly
// rounded division) is again the double nearest to the decimal. A point
// that follows such a point by less than 32,768 units in both is kept as the
// two 16-bit differences; any other point (the first, a break, the start of
// a line) is kept whole, in units when it has them, else as read (a value
// with more places, out of range, a signed zero).
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
    std::size_t step_ = 0, unit_ = 0, as_read_ = 0;
    std::int64_t nx_ = 0, ny_ = 0;  // the previous point in 1e-7 units
  };

 private:
  // Marks a point kept whole in steps_: its pair is (kWhole, kInUnits) for
  // a point in units_, (kWhole, kAsRead) for one in as_read_x_, as_read_y_.
  static constexpr std::int16_t kWhole = INT16_MIN, kInUnits = 0, kAsRead = 1;
  std::vector<std::int16_t> steps_;  // dx, dy of each point
  std::vector<std::int32_t> units_;  // x, y of each whole point in 1e-7 units
  std::vector<double> as_read_x_;
  std::vector<float> as_read_y_;
  std::size_t size_ = 0;
};

}  // namespace pellamar
