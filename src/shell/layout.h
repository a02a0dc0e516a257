#pragma once

#include <array>

namespace pellamar {

// A rectangle in twips, in its parent's frame.
struct TwipRect {
  double left = 0, top = 0, width = 0, height = 0;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
};

// Designed sizes of the panels, twips.
inline constexpr double kFraSolWidth = 7500, kFraSolHeight = 1635;
inline constexpr double kFraConfigWidth = 4635, kFraConfigHeight = 1635;
inline constexpr double kFraChercheWidth = 2940, kFraChercheHeight = 1635;
inline constexpr double kFrame2Width = 3045;
inline constexpr double kFrame3Width = 3270, kFrame3Height = 1545;
inline constexpr double kFrame4Width = 4815, kFrame4Height = 6225;
inline constexpr double kFrame8Width = 3690, kFrame8Height = 2055;
inline constexpr double kPicture2Width = 3660, kPicture2Height = 500;
inline constexpr double kLabel7Width = 1890, kLabel7Height = 240;

// The progress shapes: element 0 at its designed place, elements 1 to 8
// 30 twips apart after it.
inline constexpr double kShapeWidth = 135, kShapeHeight = 135, kShapeGap = 30;

// Where start-up puts every panel for a window of the given outer size.
struct MainLayout {
  TwipRect fra_sol;      // top-right corner
  TwipRect fra_config;   // left of FraSol, never left of 10
  TwipRect fra_cherche;  // top-left corner
  TwipRect picture1;     // the map, below FraSol
  TwipRect frame2;       // country panel, in Picture1
  double command3_top = 0;  // in Frame2
  double list3_height = 0;  // in Frame2
  TwipRect frame3;       // progress panel centred on the map, in Picture1
  TwipRect frame4;       // colour panel, in Picture1
  TwipRect frame8;       // Sun dials at the bottom left of the map, in Picture1
  TwipRect picture2;     // scale bar, in Picture1
};

[[nodiscard]] MainLayout ComputeLayout(double window_width, double window_height);

// Left edges of the nine shapes of a progress row whose element 0 is at
// first_left with the given width.
[[nodiscard]] std::array<double, 9> ProgressShapeLefts(double first_left, double shape_width);

}  // namespace pellamar
