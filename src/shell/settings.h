#pragma once

#include "map/map_state.h"
#include "overlays/colours.h"
#include "platform/settings_store.h"

namespace pellamar {

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

// "MEM", "Raf", "Villes", "LOC" of section "Config", each "1" when absent.
// A box is checked only when its text reads (LeadingNumber, rounded half to
// even) as exactly 1; anything else, unreadable text included, unchecks it.
[[nodiscard]] StartupOptions ReadStartupOptions(const SettingsStore& store);

// The kept view when keep_map is set, else the whole world on 0°, 0° without
// reading the store. "Zoom" is read with "." or "," as decimal separator; an
// unreadable, non-finite or below-1 zoom gives kDefaultZoom, one above
// kMaxZoom gives kMaxZoom. "LATCENTD"/"LONCENTD" hold the centre × 100 and
// are read the same way; an unreadable centre gives 0, one outside ±90 / ±180
// is clamped.
[[nodiscard]] KeptView ReadKeptView(const SettingsStore& store, bool keep_map);

// The colours of section "Couleurs". "para" is one whole number (decimal
// separator "." or ","), kept if it is a 24-bit colour or kHiddenColour;
// "R1", "g1", "B1" / "R2", "G2", "B2" are components rounded and clamped into
// 0..255. A text that is not a number keeps that key's default.
[[nodiscard]] OverlayColours ReadColours(const SettingsStore& store);

// What quitting writes in section "Config": "MEM" always; "Villes", "Raf",
// "LOC" ("1"/"0"), "Zoom" and "LATCENTD"/"LONCENTD" (centre × 100) only when
// options.keep_map is set. Numbers are written with "." and the fewest digits
// that read back to the same value.
void WriteConfigOnQuit(SettingsStore& store, const StartupOptions& options, const KeptView& view);

}  // namespace pellamar
