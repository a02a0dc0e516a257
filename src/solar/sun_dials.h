#pragma once

#include <string>

#include "platform/canvas.h"
#include "solar/sun_ephemeris.h"

namespace pellamar {

inline constexpr Colour kDialScaleColour = Rgb(128, 128, 128);
inline constexpr Colour kAzimuthNeedleColour = Rgb(0, 0, 255);
inline constexpr Colour kHeightNeedleColour = Rgb(192, 64, 0);

// `value` rounded to two decimals with no digit before the separator when
// the whole part is 0 (0.25 -> ".25", -0.25 -> "-.25", 45.5 -> "45.50").
// A negative value keeps its minus sign even when it rounds to zero
// (-0.001 -> "-.00"). A non-finite value gives "---".
[[nodiscard]] std::string FormatHundredths(double value, char decimal_separator);

// " Azimut = " + Az + " °", the caption above the azimuth dial.
[[nodiscard]] std::string AzimuthCaption(double Az, char decimal_separator);

// " He: " + h + " °", the caption above the height dial.
[[nodiscard]] std::string HeightCaption(double h, char decimal_separator);

// Clears `PicAZ` and draws the compass: dotted grey cross, twelve dashed grey
// marks on a circle of a third of the width, a blue needle (width 2) through
// the centre pointing to `Az` (degrees from north through east, north up),
// and the letters N, S, O, E. Geometry from the canvas's width and height in
// twips. Leaves the line width at 1.
void DrawAzimuthDial(Canvas& PicAZ, double Az);

// Clears `PicHE` and draws the quadrant: pivot at the bottom right with seven
// scale marks (every 15°) when `h` > 0, at the top right without marks
// otherwise; dotted horizon and vertical; a (192, 64, 0) needle at `h`
// degrees above the horizontal, pointing left. Leaves the line width at 1.
void DrawHeightDial(Canvas& PicHE, double h);

// Captions of the two dials.
struct SunDialCaptions {
  std::string Label35;  // azimuth
  std::string Label36;  // height
};

// The Sun at the observer's place (`FPo` north-positive, `LPo` WEST-positive,
// degrees) drawn on both dials, azimuth first; returns the captions.
[[nodiscard]] SunDialCaptions PosSoleil(const SunEphemeris& eph, double FPo, double LPo,
                                        Canvas& PicAZ, Canvas& PicHE, char decimal_separator);

}  // namespace pellamar
