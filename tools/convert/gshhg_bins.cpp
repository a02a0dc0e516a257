#include "convert/gshhg_bins.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <utility>

namespace pellamar::tools {

std::vector<Piece> DecodeBins(const BinGrid& grid, const std::vector<SegmentRef>& segments) {
  std::vector<Piece> pieces;
  if (grid.bin_size_minutes <= 0 || grid.bins_in_longitude <= 0) return pieces;
  const double size_deg = grid.bin_size_minutes / 60.0;
  const std::size_t bins = std::min(grid.first_segment_in_bin.size(), grid.segments_in_bin.size());
  const std::size_t point_total = std::min(grid.rel_lon.size(), grid.rel_lat.size());
  for (std::size_t b = 0; b < bins; ++b) {
    double corner_lon = static_cast<double>(b % grid.bins_in_longitude) * size_deg;
    if (corner_lon >= 180.0) corner_lon -= 360.0;
    const double corner_lat =
        90.0 - static_cast<double>(b / grid.bins_in_longitude + 1) * size_deg;
    const std::int64_t first = grid.first_segment_in_bin[b];
    const std::int64_t count = grid.segments_in_bin[b];
    for (std::int64_t s = first; s < first + count; ++s) {
      if (s < 0 || s >= static_cast<std::int64_t>(segments.size())) continue;
      const SegmentRef& ref = segments[static_cast<std::size_t>(s)];
      const std::int64_t p0 = ref.first_point;
      const std::int64_t p1 = p0 + ref.point_count;
      if (p0 < 0 || ref.point_count <= 0 || p1 > static_cast<std::int64_t>(point_total)) continue;
      Piece piece{static_cast<int>(s), static_cast<int>(b), {}};
      piece.points.reserve(static_cast<std::size_t>(ref.point_count));
      for (std::int64_t p = p0; p < p1; ++p) {
        // The offsets are unsigned: a stored −1 is 65535, the bin's far edge.
        const auto u_lon = static_cast<std::uint16_t>(grid.rel_lon[static_cast<std::size_t>(p)]);
        const auto u_lat = static_cast<std::uint16_t>(grid.rel_lat[static_cast<std::size_t>(p)]);
        piece.points.push_back({corner_lon + u_lon * size_deg / 65535.0,
                                corner_lat + u_lat * size_deg / 65535.0});
      }
      pieces.push_back(std::move(piece));
    }
  }
  return pieces;
}

ShoreInfo DecodeShoreInfo(std::int32_t word) {
  const auto u = static_cast<std::uint32_t>(word);
  return {static_cast<int>(u >> 9), static_cast<int>((u >> 6) & 7u),
          static_cast<int>((u >> 3) & 7u), static_cast<int>(u & 7u)};
}

namespace {

// Coordinates in micro-degrees; longitude taken modulo 360 so that the
// antimeridian's two names meet.
using Key = std::pair<std::int64_t, std::int64_t>;

Key KeyOf(const LonLat& p) {
  std::int64_t lon = std::llround(p.lon_deg * 1e6);
  constexpr std::int64_t kTurn = 360'000'000;
  lon = ((lon % kTurn) + kTurn) % kTurn;
  return {lon, std::llround(p.lat_deg * 1e6)};
}

}  // namespace

std::vector<Polyline> ChainPieces(const std::vector<Polyline>& pieces) {
  std::multimap<Key, std::size_t> by_start;
  std::multimap<Key, std::size_t> by_end;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].empty()) continue;
    by_start.emplace(KeyOf(pieces[i].front()), i);
    by_end.emplace(KeyOf(pieces[i].back()), i);
  }
  std::vector<bool> used(pieces.size(), false);
  // The lowest-numbered unused piece registered under `key`, if any.
  auto take = [&used](const std::multimap<Key, std::size_t>& index, const Key& key) -> std::ptrdiff_t {
    auto [lo, hi] = index.equal_range(key);
    std::ptrdiff_t best = -1;
    for (auto it = lo; it != hi; ++it) {
      if (!used[it->second] && (best < 0 || it->second < static_cast<std::size_t>(best))) {
        best = static_cast<std::ptrdiff_t>(it->second);
      }
    }
    if (best >= 0) used[static_cast<std::size_t>(best)] = true;
    return best;
  };

  std::vector<Polyline> chains;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (used[i] || pieces[i].empty()) continue;
    used[i] = true;
    Polyline chain = pieces[i];
    auto closed = [&chain] { return chain.size() > 1 && KeyOf(chain.front()) == KeyOf(chain.back()); };
    while (!closed()) {
      const std::ptrdiff_t next = take(by_start, KeyOf(chain.back()));
      if (next < 0) break;
      const Polyline& add = pieces[static_cast<std::size_t>(next)];
      chain.insert(chain.end(), add.begin() + 1, add.end());
    }
    while (!closed()) {
      const std::ptrdiff_t prev = take(by_end, KeyOf(chain.front()));
      if (prev < 0) break;
      const Polyline& add = pieces[static_cast<std::size_t>(prev)];
      chain.insert(chain.begin(), add.begin(), add.end() - 1);
    }
    chains.push_back(std::move(chain));
  }
  return chains;
}

std::vector<ShorePolygon> BuildShorePolygons(const ShoreFile& file) {
  std::vector<SegmentRef> refs(file.segment_info.size());
  for (std::size_t s = 0; s < refs.size(); ++s) {
    refs[s] = {s < file.segment_first_point.size() ? file.segment_first_point[s] : -1,
               DecodeShoreInfo(file.segment_info[s]).point_count};
  }
  std::map<int, ShorePolygon> polygons;
  std::map<int, std::vector<Polyline>> pieces;
  for (Piece& piece : DecodeBins(file.grid, refs)) {
    const auto s = static_cast<std::size_t>(piece.segment);
    const int level = DecodeShoreInfo(file.segment_info[s]).level;
    if (level == 6 || s >= file.segment_polygon.size()) continue;
    const int id = file.segment_polygon[s];
    ShorePolygon& polygon = polygons[id];
    polygon.id = id;
    polygon.level = level;
    if (id >= 0 && static_cast<std::size_t>(id) < file.polygon_area_km2.size()) {
      polygon.area_km2 = file.polygon_area_km2[static_cast<std::size_t>(id)];
    }
    pieces[id].push_back(std::move(piece.points));
  }
  std::vector<ShorePolygon> out;
  out.reserve(polygons.size());
  for (auto& [id, polygon] : polygons) {
    polygon.rings = ChainPieces(pieces[id]);
    out.push_back(std::move(polygon));
  }
  return out;
}

std::vector<SourceLine> BuildLines(const LineFile& file, int min_level, int max_level) {
  const std::size_t n = std::min({file.segment_points.size(), file.segment_level.size(),
                                  file.segment_first_point.size()});
  std::vector<SegmentRef> refs(n);
  for (std::size_t s = 0; s < n; ++s) refs[s] = {file.segment_first_point[s], file.segment_points[s]};
  std::map<int, std::vector<Polyline>> by_level;
  for (Piece& piece : DecodeBins(file.grid, refs)) {
    const int level = file.segment_level[static_cast<std::size_t>(piece.segment)];
    if (level >= min_level && level <= max_level) by_level[level].push_back(std::move(piece.points));
  }
  std::vector<SourceLine> out;
  for (auto& [level, list] : by_level) {
    for (Polyline& chain : ChainPieces(list)) {
      double length = 0.0;
      for (std::size_t i = 1; i < chain.size(); ++i) {
        length += std::hypot(chain[i].lon_deg - chain[i - 1].lon_deg, chain[i].lat_deg - chain[i - 1].lat_deg);
      }
      out.push_back({std::move(chain), false, length});
    }
  }
  return out;
}

}  // namespace pellamar::tools
