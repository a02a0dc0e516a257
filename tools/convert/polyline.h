#pragma once

// Line work on polylines in degrees: thinning, and the cuts that keep every
// segment drawable by the map (which never wraps at 180° and drops a whole
// segment when one of its ends lies beyond the picture's margin).

#include <vector>

#include "convert/geo.h"

namespace pellamar::tools {

// Longest segment written, in degrees (Euclidean in longitude and latitude).
// A little under 0.5° so that rounding to the file's digits cannot push a
// segment over half a degree.
inline constexpr double kMaxSegmentDeg = 0.499;

// Douglas–Peucker thinning with the tolerance in degrees (planar distance in
// longitude and latitude). Keeps both ends; a closed line (first == last)
// stays closed. A tolerance ≤ 0 returns the line unchanged.
[[nodiscard]] Polyline DouglasPeucker(const Polyline& line, double tolerance_deg);

// Cuts the line wherever two consecutive points are more than 180° of
// longitude apart (a crossing of the antimeridian: no segment is drawn
// across it), then inserts evenly spaced points into every segment longer
// than `max_step_deg` (> 0). Parts of a single point are dropped.
[[nodiscard]] std::vector<Polyline> SplitAndCap(const Polyline& line,
                                                double max_step_deg = kMaxSegmentDeg);

// Points that differ from every other point of the line.
[[nodiscard]] std::size_t DistinctPointCount(const Polyline& line);

}  // namespace pellamar::tools
