#pragma once

#include <array>
#include <optional>

#include "platform/canvas.h"
#include "platform/settings_store.h"

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

// The colour panel's working values: the six scroll bars HScroll1(0..5)
// (red, green, blue of the curve, then of the night lines, each 0..255) and
// the swatch Shape5 (the parallels colour, or kHiddenColour).
struct ColourPanelValues {
  std::array<int, 6> scroll{255, 0, 0, 240, 240, 0};
  Colour parallels = 0x008000;
};

// The scroll positions "Valeurs par défaut" sets.
inline constexpr std::array<int, 6> kDefaultScrolls{255, 0, 0, 240, 240, 0};

// The colour of option Option3(index): 0 "Vert" green &H8000, 1 "Jaune"
// &HFFFF, 2 "Bleu" &H800000, 3 "Masquer" kHiddenColour; nothing for any
// other index.
[[nodiscard]] std::optional<Colour> ParallelsOption(int index);

// The scroll positions for the colours as read from the store: the
// components of the curve and night colours.
[[nodiscard]] std::array<int, 6> ScrollsFor(const OverlayColours& colours);

// The curve and night colours the panel shows (scroll bars 0..2 and 3..5,
// each clamped into 0..255) and its parallels colour.
[[nodiscard]] OverlayColours ColoursOf(const ColourPanelValues& values);

// Stores the panel's values in section "Couleurs" as whole numbers, in
// the order "R1", "Para", "G1", "B1", "R2", "G2", "B2"; "Para" is the
// parallels colour as a signed 32-bit number (kHiddenColour is
// "-2147483633"). Returns the colours made of the values stored.
OverlayColours StoreColours(const ColourPanelValues& values, SettingsStore& store);

}  // namespace pellamar
