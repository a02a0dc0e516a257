#pragma once

#include <vector>

namespace pellamar::tools {

// A point in degrees: longitude east-positive, latitude north-positive.
struct LonLat {
  double lon_deg = 0.0;
  double lat_deg = 0.0;
  friend bool operator==(const LonLat&, const LonLat&) = default;
};

using Polyline = std::vector<LonLat>;

}  // namespace pellamar::tools
