#include "overlays/daylight_curve.h"

#include "platform/leading_number.h"

namespace pellamar {
namespace {

// Map placement of the overlay, twips: the equirectangular rule of the map.
double XOf(const MapState& map, double lon_east_deg) {
  return (lon_east_deg - map.LONCENTD) * map.PasLong * 60.0 + map.Xc;
}
double YOf(const MapState& map, double lat_deg) {
  return (map.LATCENTD - lat_deg) * map.Pas_Inter * 60.0 + map.Yc;
}

// A night line's start cut to the map: below the bottom edge to the bottom
// edge; more than one map height above the top edge to the top edge.
double ClampNightStart(double y, double height) {
  if (y > height) y = height;
  if (y < -height) y = 0;
  return y;
}

}  // namespace

DateBoxTexts CorrectDateBoxes(const DateBoxTexts& boxes) {
  // Below the range gives the low text, above it the high one.
  const auto corrected = [](const std::string& text, double low, double high, const char* low_text,
                            const char* high_text) {
    if (LeadingNumber(text) < low) return std::string(low_text);
    if (LeadingNumber(text) > high) return std::string(high_text);
    return text;
  };
  return {corrected(boxes.day, 1, 31, "1", "31"), corrected(boxes.month, 1, 12, "1", "12")};
}

void SampleBoundary(const SunEphemeris& eph, const TerminatorScan& scan,
                    std::array<float, kDaylightLines>& LatTerm, const std::function<void()>& step) {
  const TerminatorScanner scanner(eph, scan);
  for (int lon = -180; lon <= 180; ++lon) {
    LatTerm[static_cast<std::size_t>(lon + 180)] = scanner.Latitude(static_cast<float>(lon));
    if (lon % 45 == 0 && step) step();
  }
}

std::array<float, kDaylightLines> DrawnBoundary(const std::array<float, kDaylightLines>& LatTerm) {
  // Entries 0 and 360 are the same meridian: the search runs round the
  // globe on indexes 0..359, index 0 reading either of the two entries.
  constexpr int kRound = static_cast<int>(kDaylightLines) - 1;
  const auto value = [&LatTerm](int k) {
    const float v = LatTerm[static_cast<std::size_t>(k)];
    return (v == kNoBoundary && k == 0) ? LatTerm[kRound] : v;
  };
  std::array<float, kDaylightLines> drawn = LatTerm;
  for (int j = 0; j <= kRound; ++j) {
    if (LatTerm[static_cast<std::size_t>(j)] != kNoBoundary) continue;
    const int at = j % kRound;
    for (int d = (j == kRound ? 0 : 1); d <= kRound / 2; ++d) {
      // A lower index is a meridian further east.
      const float east = value(((at - d) % kRound + kRound) % kRound);
      const float west = value((at + d) % kRound);
      if (east != kNoBoundary || west != kNoBoundary) {
        drawn[static_cast<std::size_t>(j)] = east != kNoBoundary ? east : west;
        break;
      }
    }
  }
  return drawn;
}

void PlaceDaylightCurve(const std::array<float, kDaylightLines>& LatTerm, const DaylightView& view,
                        DaylightCurve& curve, LinePools& pools) {
  if (view.map == nullptr || pools.L.size() < kDaylightLines || pools.N.size() < kDaylightLines) return;
  const MapState& map = *view.map;
  const double H = view.height_twips;
  const std::array<float, kDaylightLines> lat = DrawnBoundary(LatTerm);
  curve.NightEdge = view.declination_deg > 0 ? H : 0.0;

  // The closing stub: one degree west of the 180th meridian, level with
  // the boundary there.
  PoolLine& stub = pools.L[360];
  stub.visible = true;
  stub.X1 = static_cast<float>(XOf(map, -180));
  stub.Y1 = static_cast<float>(YOf(map, lat[360]));
  stub.X2 = static_cast<float>(XOf(map, -181));
  stub.Y2 = stub.Y1;

  for (std::size_t i = 0; i < 360; ++i) {
    const double lon = 180.0 - static_cast<double>(i);
    PoolLine& l = pools.L[i];
    l.visible = true;
    l.X1 = static_cast<float>(XOf(map, lon));
    l.Y1 = static_cast<float>(YOf(map, lat[i]));
    l.X2 = static_cast<float>(XOf(map, lon - 1));
    l.Y2 = static_cast<float>(YOf(map, lat[i + 1]));
    if (view.night_on) {
      PoolLine& n = pools.N[i];
      n.visible = true;
      n.X1 = n.X2 = l.X1;
      n.Y1 = static_cast<float>(ClampNightStart(YOf(map, lat[i]), H));
      n.Y2 = static_cast<float>(curve.NightEdge);
    }
  }

  if (curve.XCourbe1[0] == 0) {
    for (std::size_t k = 0; k < kDaylightLines; ++k) {
      curve.XCourbe1[k] = pools.L[k].X1;
      curve.XCourbe2[k] = pools.L[k].X2;
    }
  }

  if (view.night_on) {
    pools.N[0].colour = view.night_colour;
    PoolLine& last = pools.N[360];
    last.colour = view.night_colour;
    last.visible = true;
    last.X1 = last.X2 = static_cast<float>(XOf(map, -180));
    last.Y1 = static_cast<float>(ClampNightStart(YOf(map, lat[360]), H));
    last.Y2 = static_cast<float>(curve.NightEdge);
  }
}

void DrawDaylightCurve(const SunEphemeris& eph, const DaylightView& view, DaylightCurve& curve,
                       LinePools& pools, const std::function<void()>& step) {
  SampleBoundary(eph, curve.scan, curve.LatTerm, step);
  PlaceDaylightCurve(curve.LatTerm, view, curve, pools);
}

void EmptyCurveTables(DaylightCurve& curve) { curve.XCourbe1.fill(0.0); }

void RedrawDaylight(const SunEphemeris& eph, const DaylightRedrawInput& input, MapState& map,
                    DaylightCurve& curve, LinePools& pools, DaylightProgress& progress) {
  EmptyCurveTables(curve);
  const float declination = SunDeclination(eph);
  curve.scan = ScanForDeclination(declination);
  progress.Clear();
  progress.Step();
  UpdateScales(map, input.width_twips, input.height_twips);
  const DaylightView view{&map, input.height_twips, declination, input.night_on, input.night_colour};
  DrawDaylightCurve(eph, view, curve, pools, [&progress] { progress.Step(); });
}

void SlideDaylight(DaylightCurve& curve, LinePools& pools, double shift_twips) {
  if (pools.L.size() < kDaylightLines || pools.N.size() < kDaylightLines) return;
  for (std::size_t j = 0; j < kDaylightLines; ++j) {
    curve.XCourbe1[j] -= shift_twips;
    curve.XCourbe2[j] -= shift_twips;
    pools.L[j].X1 = static_cast<float>(curve.XCourbe1[j]);
    pools.L[j].X2 = static_cast<float>(curve.XCourbe2[j]);
    pools.N[j].X1 = pools.N[j].X2 = static_cast<float>(curve.XCourbe1[j]);
  }
}

}  // namespace pellamar
