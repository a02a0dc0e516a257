#pragma once

#include <string_view>
#include <vector>

#include "map/map_state.h"
#include "platform/canvas.h"

namespace pellamar {

// Circle and name colours of the drawing classes (0x00BBGGRR).
inline constexpr Colour kMajorCityCircle = 0xFF00FF;  // magenta, classes 0-2
inline constexpr Colour kCityCircle = 0xFF0000;       // blue, classes 3-8
inline constexpr Colour kCityName = 0x0000FF;         // red, classes 0-3
inline constexpr Colour kMinorCityName = 0x640000;    // dark blue, classes 4-8
inline constexpr Colour kUserCity = 0x008000;         // dark green, class 9

// Zoom (visible minutes of arc) below which names are drawn: every name
// below kAllNamesZoom, those of classes 0-2 and 9 below kMainNamesZoom.
inline constexpr double kAllNamesZoom = 900;
inline constexpr double kMainNamesZoom = 12000;

// How one class is drawn.
struct CityStyle {
  double radius_scales = 0;  // circle radius in units of Pas_Inter
  Colour circle = 0;
  Colour name = 0;
};

// The style of a category digit '0'..'9'.
[[nodiscard]] CityStyle StyleOfCategory(char category);

// Whether a city of the category has its name drawn at the zoom.
[[nodiscard]] bool NameDrawn(char category, double zoom);

// Draws the cities of the file's lines on top of the picture, clearing
// nothing: a circle of the class's radius and colour at each city within
// half the picture's height and width of the centre (a city exactly on the
// limit is drawn; no wrap at 180°), then the name with its top-left corner
// on the city when the class and zoom allow it. Lines that are empty, hold
// ";" or cannot be split are skipped. A radius is never below
// min_radius_twips (one device pixel). Nothing while the map has no scales.
// Returns the number of circles drawn.
int DrawCityLines(const std::vector<std::string_view>& lines, const MapState& map, Canvas& canvas,
                  double min_radius_twips);

}  // namespace pellamar
