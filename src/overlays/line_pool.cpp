#include "overlays/line_pool.h"

namespace pellamar {

LinePools DesignedLinePools() {
  LinePools pools;
  // Element 0 of each pool lies off the map: negative x for the curve,
  // negative y for the night lines and the parallels.
  pools.L.push_back({.X1 = -600, .Y1 = 1000, .X2 = -300, .Y2 = 1000, .colour = Rgb(255, 0, 0), .visible = true,
                     .style = LineStyle::Solid, .width = 2, .pen = PenMode::Copy});
  pools.N.push_back({.X1 = 1000, .Y1 = -600, .X2 = 1000, .Y2 = -300, .colour = Rgb(240, 240, 0), .visible = false,
                     .style = LineStyle::Solid, .width = 1, .pen = PenMode::Mask});
  pools.P.push_back({.X1 = 0, .Y1 = -300, .X2 = 1000, .Y2 = -300, .colour = 0x008000, .visible = true,
                     .style = LineStyle::Dotted, .width = 1, .pen = PenMode::Mask});
  return pools;
}

void InitLinePools(LinePools& pools, const OverlayColours& colours, double picture_width_twips) {
  if (pools.L.size() != 1 || pools.N.size() != 1 || pools.P.size() != 1) return;
  for (std::size_t i = 1; i < kDaylightLines; ++i) {
    PoolLine l = pools.L[0];
    l.visible = true;
    l.colour = colours.curve;
    pools.L.push_back(l);
    PoolLine n = pools.N[0];
    n.visible = true;
    n.colour = colours.night;
    pools.N.push_back(n);
  }
  pools.L[0].colour = colours.curve;
  pools.N[0].colour = colours.night;
  LoadLinePool(pools, colours.parallels, picture_width_twips);
}

void LoadLinePool(LinePools& pools, Colour parallels, double picture_width_twips) {
  if (pools.P.size() != 1) return;
  const auto width = static_cast<float>(picture_width_twips);
  pools.P[0].X1 = 0;
  pools.P[0].X2 = width;
  for (std::size_t i = 1; i < kParallelLines; ++i) {
    PoolLine p = pools.P[0];
    p.visible = false;
    pools.P.push_back(p);
  }
  for (std::size_t i = 0; i <= 5; ++i) {
    pools.P[i].X1 = 0;
    pools.P[i].X2 = width;
    pools.P[i].visible = true;
    pools.P[i].colour = parallels;
  }
}

void HideDaylightPools(LinePools& pools) {
  for (PoolLine& l : pools.L) l.visible = false;
  for (PoolLine& n : pools.N) n.visible = false;
}

void RecolourDaylightPools(LinePools& pools, const OverlayColours& colours) {
  for (PoolLine& l : pools.L) l.colour = colours.curve;
  for (PoolLine& n : pools.N) n.colour = colours.night;
}

void RecolourParallelPool(LinePools& pools, Colour parallels) {
  for (PoolLine& p : pools.P) {
    p.colour = parallels;
    p.visible = parallels != kHiddenColour;
  }
}

}  // namespace pellamar
