#pragma once

#include "map/canvas.h"
#include "shell/settings_store.h"

namespace pellamar {

// Zoom (visible map height in minutes of arc) when nothing was kept.
inline constexpr double kDefaultZoom = 13885.0;
// The whole world: √2 / 2.41 × 21600.
inline constexpr double kWholeWorldZoom = 12675.109106746411;
// The largest zoom a stored value or a click may reach.
inline constexpr double kMaxZoom = 1'000'000.0;
// CouleurPara value that marks the special parallels as hidden (the
// platform's button-face system colour).
inline constexpr Colour kHiddenColour = 0x8000000F;

// The check boxes kept in section "Config".
struct StartupOptions {
  bool keep_map = true;      // "MEM"    ChecMEM  "Conserver cette carte "
  bool auto_refresh = true;  // "Raf"    ChRafAuto
  bool cities = true;        // "Villes" ChVilles
  bool local_time = true;    // "LOC"    HLOC
};

// The map view kept in section "Config".
struct KeptView {
  double zoom = kWholeWorldZoom;  // ZOOMc
  float lat_centre_deg = 0.0f;    // LATCENTD, north positive
  float lon_centre_deg = 0.0f;    // LONCENTD, east positive
};

// The three overlay colours of section "Couleurs".
struct OverlayColours {
  Colour curve = Rgb(255, 0, 0);      // CouleurLigne
  Colour night = Rgb(240, 240, 0);    // CouleurOmbre
  Colour parallels = 0x008000;        // CouleurPara (may be kHiddenColour)
};

[[nodiscard]] StartupOptions ReadStartupOptions(const SettingsStore& store);
// The kept view when keep_map is set, else the whole world on 0°, 0°.
[[nodiscard]] KeptView ReadKeptView(const SettingsStore& store, bool keep_map);
[[nodiscard]] OverlayColours ReadColours(const SettingsStore& store);
// What quitting writes: "MEM" always, the rest only when keep_map is set.
void WriteConfigOnQuit(SettingsStore& store, const StartupOptions& options, const KeptView& view);

}  // namespace pellamar
