#pragma once

#include <cstddef>
#include <vector>

#include "overlays/colours.h"
#include "platform/canvas.h"

namespace pellamar {

// How a pool line meets the map beneath it: Copy paints the line colour;
// Mask makes each pixel the bitwise AND of the line colour and the pixel
// already there (a white pixel takes the colour, a black one stays black).
enum class PenMode { Copy, Mask };

// One line object over the map picture. End points in the picture's twips,
// y down; the width is in device pixels.
struct PoolLine {
  float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  Colour colour = 0;
  bool visible = false;
  LineStyle style = LineStyle::Solid;
  int width = 1;
  PenMode pen = PenMode::Copy;
};

inline constexpr std::size_t kDaylightLines = 361;  // L(0..360), N(0..360)
inline constexpr std::size_t kParallelLines = 19;   // P(0..18)

// The three pools: L, the day/night curve; N, the night lines; P, the
// special parallels (0..4), the Greenwich meridian (5) and the graticule
// ticks (6..18).
struct LinePools {
  std::vector<PoolLine> L;
  std::vector<PoolLine> N;
  std::vector<PoolLine> P;
};

// The pools as designed: element 0 of each, lying outside the map so it
// shows nothing until placed. L(0): visible, solid, 2 px, copy pen; N(0):
// hidden, solid, 1 px, mask pen; P(0): visible, dotted, 1 px, mask pen.
[[nodiscard]] LinePools DesignedLinePools();

// Creates L(1..360) and N(1..360) as copies of element 0 (visible, in the
// pool's colour), gives element 0 the pool's colour, then runs
// LoadLinePool. Meant to run once, on designed pools; pools already created
// are left as they are.
void InitLinePools(LinePools& pools, const OverlayColours& colours, double picture_width_twips);

// Creates P(1..18) as hidden copies of P(0) spanning the picture's width,
// then shows P(0..5) spanning that width, in the parallels colour.
void LoadLinePool(LinePools& pools, Colour parallels, double picture_width_twips);

// Start of a map rebuild: every line of L and N hidden.
void HideDaylightPools(LinePools& pools);

// Gives every line of L the curve colour and of N the night colour.
void RecolourDaylightPools(LinePools& pools, const OverlayColours& colours);

// Gives every line of P the parallels colour; all hidden when it is
// kHiddenColour, all shown otherwise.
void RecolourParallelPool(LinePools& pools, Colour parallels);

}  // namespace pellamar
