#pragma once

#include "platform/twip_rect.h"

namespace pellamar {

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

}  // namespace pellamar
