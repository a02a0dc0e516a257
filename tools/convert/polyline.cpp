#include "convert/polyline.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace pellamar::tools {
namespace {

// Distance in degrees from p to the segment a–b (to a when a == b).
double SegmentDistance(const LonLat& p, const LonLat& a, const LonLat& b) {
  const double dx = b.lon_deg - a.lon_deg;
  const double dy = b.lat_deg - a.lat_deg;
  const double len2 = dx * dx + dy * dy;
  double t = 0.0;
  if (len2 > 0.0) {
    t = ((p.lon_deg - a.lon_deg) * dx + (p.lat_deg - a.lat_deg) * dy) / len2;
    t = std::clamp(t, 0.0, 1.0);
  }
  return std::hypot(p.lon_deg - (a.lon_deg + t * dx), p.lat_deg - (a.lat_deg + t * dy));
}

}  // namespace

Polyline DouglasPeucker(const Polyline& line, double tolerance_deg) {
  if (tolerance_deg <= 0.0 || line.size() < 3) return line;
  std::vector<bool> keep(line.size(), false);
  keep.front() = keep.back() = true;
  std::vector<std::pair<std::size_t, std::size_t>> stack{{0, line.size() - 1}};
  while (!stack.empty()) {
    const auto [first, last] = stack.back();
    stack.pop_back();
    double worst = -1.0;
    std::size_t worst_at = first;
    for (std::size_t i = first + 1; i < last; ++i) {
      const double d = SegmentDistance(line[i], line[first], line[last]);
      if (d > worst) {
        worst = d;
        worst_at = i;
      }
    }
    if (worst > tolerance_deg) {
      keep[worst_at] = true;
      stack.emplace_back(first, worst_at);
      stack.emplace_back(worst_at, last);
    }
  }
  Polyline out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (keep[i]) out.push_back(line[i]);
  }
  return out;
}

std::vector<Polyline> SplitAndCap(const Polyline& line, double max_step_deg) {
  std::vector<Polyline> parts;
  Polyline current;
  auto flush = [&] {
    if (current.size() > 1) parts.push_back(std::move(current));
    current.clear();
  };
  for (std::size_t i = 0; i < line.size(); ++i) {
    const LonLat& p = line[i];
    if (current.empty()) {
      current.push_back(p);
      continue;
    }
    const LonLat& q = current.back();
    const double dlon = p.lon_deg - q.lon_deg;
    if (std::abs(dlon) > 180.0) {
      flush();
      current.push_back(p);
      continue;
    }
    const double dlat = p.lat_deg - q.lat_deg;
    const double length = std::hypot(dlon, dlat);
    if (length > max_step_deg) {
      const auto steps = static_cast<int>(std::ceil(length / max_step_deg));
      const LonLat from = q;
      for (int k = 1; k < steps; ++k) {
        const double t = static_cast<double>(k) / steps;
        current.push_back({from.lon_deg + t * dlon, from.lat_deg + t * dlat});
      }
    }
    current.push_back(p);
  }
  flush();
  return parts;
}

std::size_t DistinctPointCount(const Polyline& line) {
  Polyline sorted = line;
  std::sort(sorted.begin(), sorted.end(), [](const LonLat& a, const LonLat& b) {
    return a.lon_deg != b.lon_deg ? a.lon_deg < b.lon_deg : a.lat_deg < b.lat_deg;
  });
  return static_cast<std::size_t>(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
}

}  // namespace pellamar::tools
