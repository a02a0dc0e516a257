#include "convert/outline_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

#include "convert/polyline.h"

namespace pellamar::tools {
namespace {

constexpr double kSheetHeightDeg = 180.0 * 1.4142135623730951;  // 180·√2

// "0.ddddddd" or "1.0000000" for a count of 1e-7 units in [0, kOutlineUnit].
void AppendFraction(std::string& out, std::int32_t units) {
  char digits[16];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, units % kOutlineUnit);
  (void)ec;
  out.push_back(units >= kOutlineUnit ? '1' : '0');
  out.push_back('.');
  out.append(static_cast<std::size_t>(kOutlineDecimals - (end - digits)), '0');
  out.append(digits, end);
}

}  // namespace

OutlinePoint QuantizePoint(const LonLat& p) {
  const double x = (p.lon_deg + 180.0) / 360.0 * kOutlineUnit;
  const double y = (p.lat_deg + 90.0) / kSheetHeightDeg * kOutlineUnit;
  const auto y_max = static_cast<std::int32_t>(std::llround(kOutlineUnit / 1.4142135623730951));
  return {std::clamp(static_cast<std::int32_t>(std::llround(x)), std::int32_t{1}, kOutlineUnit),
          std::clamp(static_cast<std::int32_t>(std::llround(y)), std::int32_t{0}, y_max)};
}

std::string FormatOutlinePoint(const OutlinePoint& p) {
  std::string line;
  AppendFraction(line, p.x);
  line.push_back(' ');
  AppendFraction(line, p.y);
  line += "\r\n";
  return line;
}

std::vector<OutlinePart> PrepareLine(const SourceLine& line, double tolerance_deg) {
  const Polyline thin = DouglasPeucker(line.points, tolerance_deg);
  std::vector<OutlinePart> out;
  // The collapse test is made on the grid the file keeps.
  Polyline rounded;
  rounded.reserve(thin.size());
  for (const LonLat& p : thin) {
    const OutlinePoint q = QuantizePoint(p);
    rounded.push_back({static_cast<double>(q.x), static_cast<double>(q.y)});
  }
  if (DistinctPointCount(rounded) < (line.ring ? 3u : 2u)) return out;
  for (const Polyline& piece : SplitAndCap(thin)) {
    OutlinePart part;
    part.reserve(piece.size());
    for (const LonLat& p : piece) {
      const OutlinePoint q = QuantizePoint(p);
      if (part.empty() || !(part.back() == q)) part.push_back(q);
    }
    if (part.size() > 1) out.push_back(std::move(part));
  }
  return out;
}

std::size_t LineCount(const std::vector<OutlinePart>& parts) {
  std::size_t n = 0;
  for (const OutlinePart& part : parts) n += part.size();
  return parts.empty() ? 0 : n + parts.size() - 1;
}

std::string FormatOutline(const std::vector<OutlinePart>& parts) {
  std::string text;
  text.reserve(LineCount(parts) * 21);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += "2 0\r\n";
    for (const OutlinePoint& p : parts[i]) text += FormatOutlinePoint(p);
  }
  return text;
}

FitResult FitOutline(const std::vector<SourceLine>& lines, std::size_t max_lines,
                     double max_tolerance_deg) {
  std::vector<std::size_t> order(lines.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&lines](std::size_t a, std::size_t b) { return lines[a].weight > lines[b].weight; });

  // Parts of every line at one tolerance, in writing order.
  auto prepare = [&](double tolerance) {
    std::vector<std::vector<OutlinePart>> per_line;
    per_line.reserve(order.size());
    for (std::size_t i : order) per_line.push_back(PrepareLine(lines[i], tolerance));
    return per_line;
  };
  auto count = [](const std::vector<std::vector<OutlinePart>>& per_line, std::size_t take) {
    std::size_t points = 0;
    std::size_t parts = 0;
    for (std::size_t i = 0; i < take; ++i) {
      for (const OutlinePart& part : per_line[i]) points += part.size();
      parts += per_line[i].size();
    }
    return parts == 0 ? 0 : points + parts - 1;
  };
  auto flatten = [](std::vector<std::vector<OutlinePart>>& per_line, std::size_t take) {
    std::vector<OutlinePart> parts;
    for (std::size_t i = 0; i < take; ++i) {
      for (OutlinePart& part : per_line[i]) parts.push_back(std::move(part));
    }
    return parts;
  };

  FitResult result;
  auto per_line = prepare(0.0);
  if (count(per_line, per_line.size()) > max_lines) {
    // Line count falls (not strictly) as the tolerance grows: bisect on it.
    double lo = 0.0;
    double hi = max_tolerance_deg;
    per_line = prepare(hi);
    if (count(per_line, per_line.size()) <= max_lines) {
      while (hi - lo > 1e-5) {
        const double mid = (lo + hi) / 2;
        if (count(prepare(mid), order.size()) <= max_lines) hi = mid; else lo = mid;
      }
      per_line = prepare(hi);
    }
    result.tolerance_deg = hi;
  }
  // Longest prefix (heaviest lines first) that fits.
  std::size_t take = 0;
  std::size_t points = 0;
  std::size_t parts = 0;
  for (; take < per_line.size(); ++take) {
    std::size_t more_points = 0;
    for (const OutlinePart& part : per_line[take]) more_points += part.size();
    const std::size_t more_parts = per_line[take].size();
    const std::size_t total = points + more_points + parts + more_parts;
    if (parts + more_parts > 0 && total - 1 > max_lines) break;
    points += more_points;
    parts += more_parts;
  }
  result.lines_dropped = per_line.size() - take;
  result.parts = flatten(per_line, take);
  return result;
}

}  // namespace pellamar::tools
