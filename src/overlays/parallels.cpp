#include "overlays/parallels.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace pellamar {
namespace {

double XOf(const MapState& map, double lon_east_deg, double lon_centre_deg) {
  return (lon_east_deg - lon_centre_deg) * map.PasLong * 60.0 + map.Xc;
}

std::string TickLabel(int west_deg) {
  std::array<char, 8> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), std::abs(west_deg)).ptr;
  std::string label(digits.data(), end);
  label += west_deg > 0 ? "° W" : "° E";
  return label;
}

}  // namespace

void DrawParallels(float lat_centre_deg, float lon_centre_deg, Colour parallels,
                   const MapState& map, LinePools& pools, Canvas& picture) {
  if (parallels == kHiddenColour || pools.P.size() < kParallelLines) return;
  picture.SetForeColour(parallels);
  // The first name starts 10 twips from the left edge; a print returns the
  // position to the edge, so the others start at 0.
  double print_x = 10;
  for (std::size_t k = 0; k < kSpecialParallels.size(); ++k) {
    const double y = (lat_centre_deg - kSpecialParallels[k].lat_deg) * map.Pas_Inter * 60.0 + map.Yc;
    pools.P[k].Y1 = pools.P[k].Y2 = static_cast<float>(y);
    picture.SetPrintPosition(print_x, y);
    picture.Print(kSpecialParallels[k].name);
    print_x = 0;
  }
  PoolLine& meridian = pools.P[5];
  meridian.Y1 = 500;
  meridian.Y2 = static_cast<float>(picture.HeightTwips());
  meridian.X1 = meridian.X2 = static_cast<float>(XOf(map, 0.0, lon_centre_deg));
  picture.SetPrintPosition(meridian.X1 - 450.0, 20);
  picture.Print("Méridien de");
  picture.SetPrintPosition(meridian.X1 - 400.0, 220);
  picture.Print("Greenwich");
  DrawGraticule(lon_centre_deg, parallels, map, pools, picture);
}

void DrawGraticule(float lon_centre_deg, Colour parallels, const MapState& map, LinePools& pools,
                   Canvas& picture) {
  if (pools.P.size() < kParallelLines) return;
  pools.P[2].style = LineStyle::Solid;
  const double H = picture.HeightTwips();
  for (std::size_t k = 6; k < kParallelLines; ++k) {
    const int V = (static_cast<int>(k) - 12) * 30;  // west positive
    PoolLine& tick = pools.P[k];
    tick.style = LineStyle::Solid;
    const double equator_y = pools.P[2].Y1;
    if (equator_y > 0 && equator_y < H) {
      tick.Y1 = static_cast<float>(equator_y - 100);
      tick.Y2 = static_cast<float>(equator_y + 100);
    } else {
      tick.Y1 = static_cast<float>(H - 300);
      tick.Y2 = static_cast<float>(H);
    }
    tick.X1 = tick.X2 = static_cast<float>(XOf(map, -V, lon_centre_deg));
    picture.SetPrintPosition(tick.X1 - 300.0, tick.Y1 - 200.0);
    // Greenwich has its meridian: its tick is placed but not labelled.
    if (V == 0) continue;
    picture.Print(TickLabel(V));
    tick.visible = true;
    tick.colour = parallels;
  }
}

void SpanParallels(LinePools& pools, double picture_width_twips) {
  for (std::size_t k = 0; k < 5 && k < pools.P.size(); ++k) {
    pools.P[k].X1 = 0;
    pools.P[k].X2 = static_cast<float>(picture_width_twips);
  }
}

}  // namespace pellamar
