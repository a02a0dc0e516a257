#pragma once

#include <functional>

#include "platform/canvas.h"
#include "map/map_state.h"
#include "map/outline_file.h"
#include "map/packed_outline.h"

namespace pellamar {

// Draws every loaded point of an outline as straight segments in the given
// colour, with the map's current scales (UpdateScales first). A segment is
// drawn only when both ends lie within a margin of 100 × 10800/ZOOMc twips
// around the picture; it is never clipped. Breaks (x > 1), a point on the
// 180° W edge as a segment's end, and everything after the first (0, 0)
// point are not drawn. step_progress runs after the drawn segments that
// start at points 1, 10001, 20001, …
void DrawOutline(const Outline& outline, const MapState& map, Canvas& canvas, Colour colour,
                 const std::function<void()>& step_progress);
// The same for an outline as the library keeps it.
void DrawOutline(const PackedOutline& outline, const MapState& map, Canvas& canvas, Colour colour,
                 const std::function<void()>& step_progress);

}  // namespace pellamar
