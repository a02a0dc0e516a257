#pragma once

#include "platform/canvas.h"

namespace pellamar {

// CouleurPara value that marks the special parallels as hidden (the
// platform's button-face system colour).
inline constexpr Colour kHiddenColour = 0x8000000F;

// The three overlay colours of section "Couleurs".
struct OverlayColours {
  Colour curve = Rgb(255, 0, 0);      // CouleurLigne
  Colour night = Rgb(240, 240, 0);    // CouleurOmbre
  Colour parallels = 0x008000;        // CouleurPara (may be kHiddenColour)
};

}  // namespace pellamar
