#include "shell/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "overlays/colours.h"
#include "platform/memory_settings_store.h"

namespace pellamar {
namespace {

// The settings structures as tuples, so that one comparison prints every field.
auto Fields(const StartupOptions& o) { return std::tuple(o.keep_map, o.auto_refresh, o.cities, o.local_time); }
auto Fields(const KeptView& v) { return std::tuple(v.zoom, v.lat_centre_deg, v.lon_centre_deg); }
auto Fields(const OverlayColours& c) { return std::tuple(c.curve, c.night, c.parallels); }

// The texts stored under the keys of a section, blank-separated ("?" for absent).
std::string Stored(const MemorySettingsStore& store, std::string_view section,
                   std::initializer_list<std::string_view> keys) {
  std::string texts;
  for (std::string_view key : keys) texts += (texts.empty() ? "" : " ") + store.Read(section, key, "?");
  return texts;
}

// Catches a wrong default, a box read from another key's default.
TEST(SettingsTest, EmptyStoreGivesTheFirstStartDefaultsAndABoxIsCheckedOnlyForOne) {
  const MemorySettingsStore store;
  EXPECT_EQ(Fields(ReadStartupOptions(store)), Fields(StartupOptions{true, true, true, true}));
  EXPECT_EQ(Fields(ReadKeptView(store, true)), Fields(KeptView{13885.0, 0.0f, 0.0f}));
  EXPECT_EQ(Fields(ReadColours(store)), Fields(OverlayColours{Rgb(255, 0, 0), Rgb(240, 240, 0), 32768u}));

  // Catches halves rounded up or away from zero, a box checked for any non-zero.
  const std::pair<std::string_view, bool> cases[] = {
      {" 1 ", true}, {"1.4", true},  {"0.6", true},  {"1abc", true}, {"1,9", true},   {"+1", true},
      {"2", false},  {"-1", false},  {"0", false},   {"abc", false}, {"0.5", false},  {"1.5", false},
  };
  for (const auto& [text, checked] : cases) {
    MemorySettingsStore boxes;
    for (std::string_view key : {"MEM", "Raf", "Villes", "LOC"}) boxes.Write("Config", key, text);
    EXPECT_EQ(Fields(ReadStartupOptions(boxes)), std::tuple(checked, checked, checked, checked)) << text;
  }
}

// Catches a bound taken as < for <=, a clamp to the wrong sign, "," not read
// as the decimal point, an unreadable text taken as a number.
TEST(SettingsTest, KeptViewReading) {
  struct Case { std::string_view key, text; double value; };
  const Case cases[] = {
      {"Zoom", "1234,5", 1234.5},       {"Zoom", " 500 ", 500.0},         {"Zoom", "1", 1.0},
      {"Zoom", "2000000", kMaxZoom},    {"Zoom", "0.999", kDefaultZoom},  {"Zoom", "-20000", kDefaultZoom},
      {"Zoom", "12abc", kDefaultZoom},  {"Zoom", "nan", kDefaultZoom},    {"Zoom", "1e400", kDefaultZoom},
      {"LATCENTD", "-1250", -12.5f},    {"LATCENTD", "4567,8", 45.678f},  {"LONCENTD", "-12345.6", -123.456f},
      {"LATCENTD", "9000.01", 90.0f},   {"LATCENTD", "-9000.01", -90.0f}, {"LONCENTD", "18000.01", 180.0f},
      {"LONCENTD", "-1e9", -180.0f},    {"LATCENTD", "1e2", 1.0f},        {"LATCENTD", "45abc", 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.key << " \"" << c.text << '"');
    MemorySettingsStore store;
    store.Write("Config", c.key, c.text);
    const KeptView view = ReadKeptView(store, true);
    EXPECT_EQ(c.key == "Zoom" ? view.zoom : c.key == "LATCENTD" ? view.lat_centre_deg : view.lon_centre_deg, c.value);
  }
}

// Catches a float product written (4567.8003), a digit of the hundredths
// lost, "-0" written, a read that does not give back the same float.
TEST(SettingsTest, QuitWritesTheViewWithPointReadBackExactlyEachBoxUnderItsKeyAndOnlyMemWhenNotKeeping) {
  const std::pair<KeptView, const char*> cases[] = {
      {{1234.5, 45.678f, -123.456f}, "1234.5 4567.8 -12345.6"},
      {{kMaxZoom, 90.0f, 180.0f}, "1000000 9000 18000"},
      {{1.25, 0.001f, -0.07f}, "1.25 0.1 -7"},
      {{20000.0 / 3.0, 1e-6f, -3.3e-5f}, nullptr},
      {{999999.9999999999, 89.99999f, -0.33333334f}, nullptr},
  };
  for (const auto& [view, texts] : cases) {
    SCOPED_TRACE(testing::Message() << view.zoom << ' ' << view.lat_centre_deg << ' ' << view.lon_centre_deg);
    MemorySettingsStore store;
    WriteConfigOnQuit(store, {}, view);
    if (texts) EXPECT_EQ(Stored(store, "Config", {"Zoom", "LATCENTD", "LONCENTD"}), texts);
    EXPECT_EQ(Fields(ReadKeptView(store, true)), Fields(view));
  }

  // Catches a box written under another key, the view written while keep_map
  // is off, the whole world not restored after it.
  MemorySettingsStore store;
  WriteConfigOnQuit(store, {true, false, true, false}, {500.0, 10.0f, 20.0f});
  EXPECT_EQ(Stored(store, "Config", {"MEM", "Raf", "Villes", "LOC"}), "1 0 1 0");
  WriteConfigOnQuit(store, {true, true, false, true}, {500.0, 10.0f, 20.0f});
  EXPECT_EQ(Stored(store, "Config", {"MEM", "Raf", "Villes", "LOC"}), "1 1 0 1");
  WriteConfigOnQuit(store, {false, false, true, false}, {9000.0, -5.0f, -6.0f});
  EXPECT_EQ(store.Size(), 7u);
  EXPECT_EQ(Stored(store, "Config", {"MEM", "Raf", "Villes", "LOC", "Zoom", "LATCENTD", "LONCENTD"}),
            "0 1 0 1 500 1000 2000");
  // The next start: the boxes of the last kept run, and the whole world.
  const StartupOptions next = ReadStartupOptions(store);
  EXPECT_EQ(Fields(next), Fields(StartupOptions{false, true, false, true}));
  EXPECT_EQ(Fields(ReadKeptView(store, next.keep_map)), std::tuple(kWholeWorldZoom, 0.0f, 0.0f));
}

// Catches a component read from the wrong key, halves not to even, a dropped
// clamp, the hidden colour refused in its signed form, a colour beyond 24
// bits taken.
TEST(SettingsTest, ColourReading) {
  const OverlayColours d;  // the defaults
  struct Case { std::string_view key, text; OverlayColours colours; };
  const Case cases[] = {
      // The hidden colour, then the same signed.
      {"para", "2147483663", {d.curve, d.night, kHiddenColour}},
      {"para", "-2147483633", {d.curve, d.night, kHiddenColour}},
      {"para", "16777215", {d.curve, d.night, 0xFFFFFF}},
      {"para", "1000,4", {d.curve, d.night, 1000}},
      {"para", "16777216", d},
      {"para", "-1", d},
      {"B1", "x", d},
      {"R1", "300", {Rgb(255, 0, 0), d.night, d.parallels}},
      {"R2", "-5", {d.curve, Rgb(0, 240, 0), d.parallels}},
      {"g1", "127.5", {Rgb(255, 128, 0), d.night, d.parallels}},
      {"G1", "128.5", {Rgb(255, 128, 0), d.night, d.parallels}},
      {"G2", "12,6", {d.curve, Rgb(240, 13, 0), d.parallels}},
      {"B2", " 64 ", {d.curve, Rgb(240, 240, 64), d.parallels}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.key << " \"" << c.text << '"');
    MemorySettingsStore store;
    store.Write("Couleurs", c.key, c.text);
    EXPECT_EQ(Fields(ReadColours(store)), Fields(c.colours));
  }
}

// Catches two option colours swapped, an out-of-range index accepted, the
// scroll bars filled from the wrong components.
TEST(ColoursTest, OptionsScrollsAndStoringTheSevenKeys) {
  const std::optional<Colour> want[] = {std::nullopt, 0x008000, 0x00FFFF, 0x800000, kHiddenColour, std::nullopt};
  for (int i = -1; i <= 4; ++i) EXPECT_EQ(ParallelsOption(i), want[i + 1]) << i;
  EXPECT_EQ(ScrollsFor({Rgb(1, 2, 3), Rgb(4, 5, 6), 0}), (std::array<int, 6>{1, 2, 3, 4, 5, 6}));

  // Catches a key written from the wrong scroll bar, a dropped 0..255 clamp,
  // the hidden colour stored unsigned, a read that swaps components.
  const std::tuple<ColourPanelValues, const char*, Colour, Colour> cases[] = {
      {{{10, 20, 30, 40, 50, 60}, kHiddenColour}, "-2147483633 10 20 30 40 50 60", 0x1E140A, 0x3C3228},
      {{{-5, 300, 128, 1, 2, 3}, 0x800000}, "8388608 0 255 128 1 2 3", 0x80FF00, 0x030201},
  };
  for (const auto& [values, stored, curve, night] : cases) {
    SCOPED_TRACE(stored);
    MemorySettingsStore store;
    const OverlayColours applied = StoreColours(values, store);
    EXPECT_EQ(Stored(store, "Couleurs", {"Para", "R1", "G1", "B1", "R2", "G2", "B2"}), stored);
    EXPECT_EQ(store.Size(), 7u);
    EXPECT_EQ(Fields(applied), std::tuple(curve, night, values.parallels));
    EXPECT_EQ(Fields(ReadColours(store)), std::tuple(curve, night, values.parallels));
  }
}

}  // namespace
}  // namespace pellamar
