#include "shell/settings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/leading_number.h"

namespace pellamar {
namespace {

constexpr std::string_view kConfig = "Config";
constexpr std::string_view kColours = "Couleurs";

constexpr double kMaxLatitudeDeg = 90.0;
constexpr double kMaxLongitudeDeg = 180.0;

// kHiddenColour as a signed 32-bit number, the form in which a colour
// written as a signed integer holds it.
constexpr double kHiddenColourSigned = -2147483633.0;

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Halves go to the even neighbour: 0.5 → 0, 1.5 → 2, 2.5 → 2.
[[nodiscard]] double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

// A stored number made ready for std::from_chars: blanks around it dropped,
// a leading "+" dropped and a "," decimal separator turned into ".". Whether
// it really is a number is left to the caller's from_chars.
[[nodiscard]] std::string CanonicalNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  std::string canonical(text);
  std::replace(canonical.begin(), canonical.end(), ',', '.');
  return canonical;
}

// The whole text as one finite decimal number ("." or "," separator,
// optional exponent), or nothing.
[[nodiscard]] std::optional<double> ParseNumber(std::string_view canonical) {
  double value = 0.0;
  const char* const end = canonical.data() + canonical.size();
  const auto result = std::from_chars(canonical.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

[[nodiscard]] std::optional<double> ReadNumber(const SettingsStore& store, std::string_view section,
                                               std::string_view key, std::string_view fallback) {
  return ParseNumber(CanonicalNumber(store.Read(section, key, fallback)));
}

[[nodiscard]] bool ReadBox(const SettingsStore& store, std::string_view key) {
  return RoundHalfEven(LeadingNumber(store.Read(kConfig, key, "1"))) == 1.0;
}

[[nodiscard]] double ReadZoom(const SettingsStore& store) {
  const std::optional<double> zoom = ReadNumber(store, kConfig, "Zoom", "13885");
  if (!zoom || !(*zoom >= 1.0)) return kDefaultZoom;
  return std::min(*zoom, kMaxZoom);
}

// A centre coordinate stored as hundredths of a degree, clamped to ±limit_deg;
// 0 when unreadable. The decimal text is divided by 100 exactly and rounded
// once to float, so the text CentreText writes reads back to the same float.
[[nodiscard]] float ReadCentre(const SettingsStore& store, std::string_view key, double limit_deg) {
  const std::string canonical = CanonicalNumber(store.Read(kConfig, key, "0"));
  const std::optional<double> hundredths = ParseNumber(canonical);
  if (!hundredths) return 0.0f;
  const double degrees = *hundredths / 100.0;
  if (degrees >= limit_deg) return static_cast<float>(limit_deg);
  if (degrees <= -limit_deg) return static_cast<float>(-limit_deg);
  if (degrees == 0.0) return 0.0f;  // no "-0"

  float value = static_cast<float>(degrees);
  if (canonical.find_first_of("eE") == std::string::npos) {
    const std::string scaled = canonical + "e-2";
    float exact = 0.0f;
    const auto result = std::from_chars(scaled.data(), scaled.data() + scaled.size(), exact);
    if (result.ec == std::errc()) value = exact;
  }
  return value;
}

[[nodiscard]] Colour ReadComponentsAsColour(const SettingsStore& store, std::string_view red_key,
                                            std::string_view green_key, std::string_view blue_key,
                                            Colour fallback) {
  const auto component = [&store](std::string_view key, int fallback_value) {
    std::array<char, 4> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), fallback_value).ptr;
    const std::optional<double> value =
        ReadNumber(store, kColours, key, std::string_view(text.data(), end - text.data()));
    if (!value) return fallback_value;
    return static_cast<int>(std::clamp(RoundHalfEven(*value), 0.0, 255.0));
  };
  return Rgb(component(red_key, RedOf(fallback)), component(green_key, GreenOf(fallback)),
             component(blue_key, BlueOf(fallback)));
}

[[nodiscard]] Colour ReadParallelsColour(const SettingsStore& store, Colour fallback) {
  const std::optional<double> value = ReadNumber(store, kColours, "para", "32768");
  if (!value) return fallback;
  const double whole = RoundHalfEven(*value);
  if (whole == static_cast<double>(kHiddenColour) || whole == kHiddenColourSigned) {
    return kHiddenColour;
  }
  if (whole < 0.0 || whole > 0xFFFFFF) return fallback;
  return static_cast<Colour>(whole);
}

[[nodiscard]] std::string_view BoxText(bool checked) { return checked ? "1" : "0"; }

// Fixed notation with the fewest digits that read back to the same double.
[[nodiscard]] std::string ZoomText(double zoom) {
  // Room for the longest fixed form of a double (about 330 characters).
  std::array<char, 400> text{};
  const auto result =
      std::to_chars(text.data(), text.data() + text.size(), zoom, std::chars_format::fixed);
  return std::string(text.data(), result.ptr);
}

// The coordinate × 100 as decimal text: the shortest fixed form of the float
// with its decimal point moved two places right, so 45.678f gives "4567.8"
// (not the float product's 4567.8003) and -12.5f gives "-1250".
[[nodiscard]] std::string CentreText(float degrees) {
  if (degrees == 0.0f || !std::isfinite(degrees)) return "0";
  // Room for the longest fixed form of a float (about 50 characters).
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), degrees,
                                    std::chars_format::fixed);
  std::string_view text(buffer.data(), result.ptr - buffer.data());

  std::string out;
  if (text.front() == '-') {
    out.push_back('-');
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  std::string fraction(point == std::string_view::npos ? std::string_view() : text.substr(point + 1));
  if (fraction.size() < 2) fraction.resize(2, '0');

  std::string digits = std::string(whole) + fraction.substr(0, 2);
  const std::size_t first_significant = digits.find_first_not_of('0');
  digits.erase(0, std::min(first_significant, digits.size() - 1));
  out += digits;
  if (fraction.size() > 2) {
    out.push_back('.');
    out.append(fraction, 2);
  }
  return out;
}

}  // namespace

StartupOptions ReadStartupOptions(const SettingsStore& store) {
  StartupOptions options;
  options.keep_map = ReadBox(store, "MEM");
  options.auto_refresh = ReadBox(store, "Raf");
  options.cities = ReadBox(store, "Villes");
  options.local_time = ReadBox(store, "LOC");
  return options;
}

KeptView ReadKeptView(const SettingsStore& store, bool keep_map) {
  KeptView view;
  if (!keep_map) return view;  // the whole world on 0°, 0°
  view.zoom = ReadZoom(store);
  view.lat_centre_deg = ReadCentre(store, "LATCENTD", kMaxLatitudeDeg);
  view.lon_centre_deg = ReadCentre(store, "LONCENTD", kMaxLongitudeDeg);
  return view;
}

OverlayColours ReadColours(const SettingsStore& store) {
  const OverlayColours defaults;
  OverlayColours colours;
  colours.parallels = ReadParallelsColour(store, defaults.parallels);
  colours.curve = ReadComponentsAsColour(store, "R1", "g1", "B1", defaults.curve);
  colours.night = ReadComponentsAsColour(store, "R2", "G2", "B2", defaults.night);
  return colours;
}

void WriteConfigOnQuit(SettingsStore& store, const StartupOptions& options, const KeptView& view) {
  store.Write(kConfig, "MEM", BoxText(options.keep_map));
  if (!options.keep_map) return;
  store.Write(kConfig, "Villes", BoxText(options.cities));
  store.Write(kConfig, "Raf", BoxText(options.auto_refresh));
  store.Write(kConfig, "LOC", BoxText(options.local_time));
  store.Write(kConfig, "Zoom", ZoomText(view.zoom));
  store.Write(kConfig, "LATCENTD", CentreText(view.lat_centre_deg));
  store.Write(kConfig, "LONCENTD", CentreText(view.lon_centre_deg));
}

}  // namespace pellamar
