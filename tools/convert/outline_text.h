#pragma once

// Building the text of one outline file: point lines "x y" with x =
// (longitude + 180)/360 and y = (latitude + 90)/(180·√2), "." as decimal
// point, CR LF ends, and a line "2 0" (x > 1) between polylines.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "convert/geo.h"

namespace pellamar::tools {

// Both coordinates are written with this many decimals; a point is held as
// the integer count of 1e-7 units (about 4 m of longitude, 3 m of latitude).
inline constexpr int kOutlineDecimals = 7;
inline constexpr std::int32_t kOutlineUnit = 10'000'000;

struct OutlinePoint {
  std::int32_t x = 0;  // 1 to kOutlineUnit; 0 is never written (it reads as the end of the data)
  std::int32_t y = 0;  // 0 to kOutlineUnit/√2
  friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};
using OutlinePart = std::vector<OutlinePoint>;

// Rounds a point to the file's grid. 180° W becomes x = 1 unit, the smallest
// positive value written, since x = 0 would end or break the drawing.
[[nodiscard]] OutlinePoint QuantizePoint(const LonLat& p);

// One line of the file for the point, CR LF included, e.g. "0.5065278 0.5376380\r\n".
[[nodiscard]] std::string FormatOutlinePoint(const OutlinePoint& p);

// A polyline of the source data with what decides its fate: rings vanish
// below three distinct points, lines below two; lighter ones are dropped
// first when the file is full.
struct SourceLine {
  Polyline points;
  bool ring = false;
  double weight = 0.0;  // area in km² for rings, length in degrees for lines
};

// Thins the line, cuts it at the antimeridian and at kMaxSegmentDeg, rounds
// it to the file's grid and removes repeated points. Empty when it
// collapses.
[[nodiscard]] std::vector<OutlinePart> PrepareLine(const SourceLine& line, double tolerance_deg);

// Lines the parts take in a file: their points and one break between
// consecutive parts.
[[nodiscard]] std::size_t LineCount(const std::vector<OutlinePart>& parts);

// Whole file text: the parts in order, a break line between two parts.
[[nodiscard]] std::string FormatOutline(const std::vector<OutlinePart>& parts);

struct FitResult {
  double tolerance_deg = 0.0;
  std::size_t lines_dropped = 0;  // source lines left out (the lightest) to fit
  std::vector<OutlinePart> parts;
};

// Fits the source lines into at most `max_lines` file lines: no thinning if
// they fit as they are, otherwise the smallest tolerance (searched to 1e-5°)
// up to `max_tolerance_deg` that fits, and at that ceiling the lightest
// lines are left out until the rest fits. Lines are written heaviest first
// (ties in input order), so the result is deterministic.
[[nodiscard]] FitResult FitOutline(const std::vector<SourceLine>& lines, std::size_t max_lines,
                                   double max_tolerance_deg);

}  // namespace pellamar::tools
