#include "overlays/colours.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace pellamar {
namespace {

int Component(int value) { return std::clamp(value, 0, 255); }

void WriteNumber(SettingsStore& store, std::string_view key, std::int64_t value) {
  std::array<char, 24> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  store.Write("Couleurs", key, std::string_view(text.data(), static_cast<std::size_t>(end - text.data())));
}

}  // namespace

std::optional<Colour> ParallelsOption(int index) {
  switch (index) {
    case 0: return Colour{0x008000};
    case 1: return Colour{0x00FFFF};
    case 2: return Colour{0x800000};
    case 3: return kHiddenColour;
    default: return std::nullopt;
  }
}

std::array<int, 6> ScrollsFor(const OverlayColours& colours) {
  return {RedOf(colours.curve), GreenOf(colours.curve), BlueOf(colours.curve),
          RedOf(colours.night), GreenOf(colours.night), BlueOf(colours.night)};
}

OverlayColours ColoursOf(const ColourPanelValues& values) {
  const auto& s = values.scroll;
  OverlayColours colours;
  colours.curve = Rgb(Component(s[0]), Component(s[1]), Component(s[2]));
  colours.night = Rgb(Component(s[3]), Component(s[4]), Component(s[5]));
  colours.parallels = values.parallels;
  return colours;
}

OverlayColours StoreColours(const ColourPanelValues& values, SettingsStore& store) {
  const auto& s = values.scroll;
  // The parallels colour as a signed 32-bit number: kHiddenColour, whose
  // top bit is set, is stored negative.
  const auto para = static_cast<std::int32_t>(values.parallels);
  WriteNumber(store, "R1", Component(s[0]));
  WriteNumber(store, "Para", para);
  WriteNumber(store, "G1", Component(s[1]));
  WriteNumber(store, "B1", Component(s[2]));
  WriteNumber(store, "R2", Component(s[3]));
  WriteNumber(store, "G2", Component(s[4]));
  WriteNumber(store, "B2", Component(s[5]));
  return ColoursOf(values);
}

}  // namespace pellamar
