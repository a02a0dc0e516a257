// The settings number rules on any stored texts: every value read is within
// its range, and what quitting writes reads back to the very same view.
#include <string>
#include <string_view>

#include "fuzz_target.h"
#include "platform/memory_settings_store.h"
#include "shell/settings.h"

namespace pellamar::fuzz {

void FuzzOne(std::string_view bytes) {
  // The input's lines are the texts of these keys, in order.
  constexpr std::string_view kKeys[][2] = {
      {"Config", "Zoom"},   {"Config", "LATCENTD"}, {"Config", "LONCENTD"}, {"Config", "MEM"},
      {"Config", "Raf"},    {"Config", "Villes"},   {"Config", "LOC"},      {"Couleurs", "para"},
      {"Couleurs", "R1"},   {"Couleurs", "g1"},     {"Couleurs", "B1"},     {"Couleurs", "R2"},
      {"Couleurs", "G2"},   {"Couleurs", "B2"},
  };
  MemorySettingsStore store;
  for (const auto& key : kKeys) {
    if (bytes.empty()) break;
    const std::size_t end = bytes.find('\n');
    store.Write(key[0], key[1], bytes.substr(0, end));
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
  }

  const StartupOptions options = ReadStartupOptions(store);
  const KeptView view = ReadKeptView(store, true);
  Require(view.zoom >= 1 && view.zoom <= kMaxZoom);
  Require(view.lat_centre_deg >= -90 && view.lat_centre_deg <= 90);
  Require(view.lon_centre_deg >= -180 && view.lon_centre_deg <= 180);
  const OverlayColours colours = ReadColours(store);
  Require(colours.curve <= 0xFFFFFF && colours.night <= 0xFFFFFF);
  Require(colours.parallels <= 0xFFFFFF || colours.parallels == kHiddenColour);

  MemorySettingsStore written;
  WriteConfigOnQuit(written, {true, options.auto_refresh, options.cities, options.local_time}, view);
  const KeptView back = ReadKeptView(written, true);
  Require(back.zoom == view.zoom);
  Require(back.lat_centre_deg == view.lat_centre_deg);
  Require(back.lon_centre_deg == view.lon_centre_deg);
  const StartupOptions options_back = ReadStartupOptions(written);
  Require(options_back.auto_refresh == options.auto_refresh && options_back.cities == options.cities &&
          options_back.local_time == options.local_time && options_back.keep_map);
}

}  // namespace pellamar::fuzz
