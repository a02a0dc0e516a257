#pragma once

#include <cstdint>
#include <string>

namespace pellamar {

// The automatic refresh's counters (Occur, Occur2), 32-bit so that no zoom
// can make them overflow between two resets.
struct TickCounters {
  std::int32_t Occur = 0;   // ticks since the overlay last slid
  std::int32_t Occur2 = 0;  // ticks since the map was last rebuilt
};

// What one tick of Timer1 must do, besides redrawing the dials and the clock.
struct TickPlan {
  std::string tooltip;   // Label9(0)'s tooltip, e.g. "21/30 : 512/1000 "
  bool slide = false;    // move the Sun marker and slide the overlay with it
  bool rebuild = false;  // show Frame3 and rebuild the whole map
};

// One tick at zoom `ZOOMc` (minutes of arc shown vertically): with
// k = 10000 / ZOOMc the overlay slides when k·Occur reaches 30 (every 42
// ticks at 13885, more often when zoomed in), and the map is rebuilt on the
// 1001st tick since the last rebuild. Updates the counters. A zoom that is
// not positive and finite counts as the whole-world zoom of 13885.
[[nodiscard]] TickPlan PlanTick(TickCounters& counters, double ZOOMc);

// After the Sun marker has moved from `old_Xpi` to `new_Xpi` (map twips),
// the overlay either slides by the same amount or, when the marker wrapped
// across the map's edge (a shift beyond half the world's width, which is
// 360·60·PasLong twips), is redrawn from scratch.
[[nodiscard]] bool SlideWouldLeaveTheWorld(double old_Xpi, double new_Xpi, float PasLong);

}  // namespace pellamar
