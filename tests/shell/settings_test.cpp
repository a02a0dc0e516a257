#include "shell/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "platform/memory_settings_store.h"

namespace pellamar {
namespace {

using Entry = std::pair<std::string_view, std::string_view>;

// The settings structures as tuples, so that one comparison prints every field.
auto Fields(const StartupOptions& o) {
  return std::tuple(o.keep_map, o.auto_refresh, o.cities, o.local_time);
}
auto Fields(const KeptView& v) { return std::tuple(v.zoom, v.lat_centre_deg, v.lon_centre_deg); }
auto Fields(const OverlayColours& c) { return std::tuple(c.curve, c.night, c.parallels); }

TEST(SettingsTest, EmptyStoreGivesTheFirstStartDefaults) {
  const MemorySettingsStore store;
  EXPECT_EQ(Fields(ReadStartupOptions(store)), Fields(StartupOptions{true, true, true, true}));
  EXPECT_EQ(Fields(ReadKeptView(store, true)), Fields(KeptView{13885.0, 0.0f, 0.0f}));
  EXPECT_EQ(Fields(ReadColours(store)),
            Fields(OverlayColours{Rgb(255, 0, 0), Rgb(240, 240, 0), 32768u}));
}

TEST(SettingsTest, CheckBoxIsCheckedOnlyForOne) {
  const std::pair<std::string_view, bool> cases[] = {
      {"1", true},      {" 1 ", true},   {"1.4", true},  {"0.6", true},  {"1abc", true},
      {"1,9", true},    {"+1", true},    {"2", false},   {"-1", false},  {"0", false},
      {"abc", false},   {"", false},     {"0.5", false}, {"1.5", false}, {"1 0", false},
      {"65537", false}, {"-0.4", false},
  };
  for (const auto& [text, checked] : cases) {
    SCOPED_TRACE(testing::Message() << '"' << text << '"');
    MemorySettingsStore store;
    for (std::string_view key : {"MEM", "Raf", "Villes", "LOC"}) store.Write("Config", key, text);
    EXPECT_EQ(Fields(ReadStartupOptions(store)), std::tuple(checked, checked, checked, checked));
  }
}

TEST(SettingsTest, KeptViewReading) {
  // Zoom: unreadable, not finite or below 1 gives the default. Centre:
  // clamped to ±90/±180, unreadable gives 0. "." or "," as decimal point.
  struct Case { std::string_view key, text; double value; };
  const Case cases[] = {
      {"Zoom", "20000", 20000.0},         {"Zoom", "1234,5", 1234.5},
      {"Zoom", " 500 ", 500.0},           {"Zoom", "1", 1.0},
      {"Zoom", "2000000", kMaxZoom},      {"Zoom", "0.999", kDefaultZoom},
      {"Zoom", "-20000", kDefaultZoom},   {"Zoom", "", kDefaultZoom},
      {"Zoom", "12abc", kDefaultZoom},    {"Zoom", "1.234,5", kDefaultZoom},
      {"Zoom", "inf", kDefaultZoom},      {"Zoom", "nan", kDefaultZoom},
      {"Zoom", "1e400", kDefaultZoom},    {"LATCENTD", "-1250", -12.5f},
      {"LATCENTD", "4567,8", 45.678f},    {"LONCENTD", "-12345.6", -123.456f},
      {"LATCENTD", "9000.01", 90.0f},     {"LONCENTD", "-1e9", -180.0f},
      {"LONCENTD", "18000.01", 180.0f},   {"LATCENTD", "1e2", 1.0f},
      {"LATCENTD", "45abc", 0.0f},        {"LONCENTD", "inf", 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.key << " \"" << c.text << '"');
    MemorySettingsStore store;
    store.Write("Config", c.key, c.text);
    const KeptView view = ReadKeptView(store, true);
    const double read = c.key == "Zoom"       ? view.zoom
                        : c.key == "LATCENTD" ? view.lat_centre_deg
                                              : view.lon_centre_deg;
    EXPECT_EQ(read, c.value);
  }
}

TEST(SettingsTest, KeptViewIsWrittenWithPointAndReadBackExactly) {
  struct Case { KeptView view; std::string_view zoom, lat, lon; };  // empty text: not checked
  const Case cases[] = {
      {{13885.0, 0.0f, 0.0f}, "13885", "0", "0"},
      {{kWholeWorldZoom, -12.5f, 0.0f}, "", "-1250", "0"},
      {{1234.5, 45.678f, -123.456f}, "1234.5", "4567.8", "-12345.6"},
      {{kMaxZoom, 90.0f, 180.0f}, "1000000", "9000", "18000"},
      {{1.25, 0.001f, -0.07f}, "1.25", "0.1", "-7"},
      {{999999.9999999999, 89.99999f, 179.99998f}, "", "", ""},
      {{20000.0 / 3.0, 1e-6f, -3.3e-5f}, "", "0.0001", "-0.0033"},
      {{7.0, 33.333332f, -0.33333334f}, "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.view.zoom << ' ' << c.view.lat_centre_deg << ' '
                                    << c.view.lon_centre_deg);
    MemorySettingsStore store;
    WriteConfigOnQuit(store, {}, c.view);
    const Entry texts[] = {{"Zoom", c.zoom}, {"LATCENTD", c.lat}, {"LONCENTD", c.lon}};
    for (const auto& [key, text] : texts) {
      if (!text.empty()) EXPECT_EQ(store.Read("Config", key, "?"), text) << key;
    }
    EXPECT_EQ(Fields(ReadKeptView(store, true)), Fields(c.view));
  }
}

TEST(SettingsTest, UncheckingKeepMapWritesOnlyMem) {
  MemorySettingsStore store;
  WriteConfigOnQuit(store, {true, false, false, true}, {500.0, 10.0f, 20.0f});
  WriteConfigOnQuit(store, {false, true, true, false}, {9000.0, -5.0f, -6.0f});
  EXPECT_EQ(store.Size(), 7u);
  for (const auto& [key, text] : {Entry{"MEM", "0"}, {"Raf", "0"}, {"Villes", "0"}, {"LOC", "1"},
                                  {"Zoom", "500"}, {"LATCENTD", "1000"}, {"LONCENTD", "2000"}}) {
    EXPECT_EQ(store.Read("Config", key, "?"), text) << key;
  }
  // The next start: the boxes of the last kept run, and the whole world.
  const StartupOptions next = ReadStartupOptions(store);
  EXPECT_EQ(Fields(next), Fields(StartupOptions{false, false, false, true}));
  EXPECT_EQ(Fields(ReadKeptView(store, next.keep_map)), std::tuple(kWholeWorldZoom, 0.0f, 0.0f));

  MemorySettingsStore empty;
  WriteConfigOnQuit(empty, {false, true, true, true}, {});
  EXPECT_EQ(empty.Size(), 1u);
}

TEST(SettingsTest, QuitWritesEachBoxUnderItsOwnKey) {
  // Two runs that tell every pair of Raf, Villes and LOC apart.
  const struct { StartupOptions options; const char *raf, *villes, *loc; } cases[] = {
      {{true, true, false, false}, "1", "0", "0"},
      {{true, false, true, false}, "0", "1", "0"},
  };
  for (const auto& c : cases) {
    MemorySettingsStore store;
    WriteConfigOnQuit(store, c.options, {});
    EXPECT_EQ(store.Read("Config", "Raf", "?"), c.raf);
    EXPECT_EQ(store.Read("Config", "Villes", "?"), c.villes);
    EXPECT_EQ(store.Read("Config", "LOC", "?"), c.loc);
    EXPECT_EQ(Fields(ReadStartupOptions(store)), Fields(c.options));
  }
}

TEST(SettingsTest, ColourReading) {
  const OverlayColours d;  // the defaults
  struct Case { std::string_view key, text; OverlayColours colours; };
  const Case cases[] = {
      {"para", "16777215", {d.curve, d.night, 0xFFFFFF}},
      {"para", "1000,4", {d.curve, d.night, 1000}},
      {"para", "2147483663", {d.curve, d.night, kHiddenColour}},
      {"para", "-2147483633", {d.curve, d.night, kHiddenColour}},  // the same, signed
      {"para", "16777216", d},
      {"para", "-1", d},
      {"para", "255abc", d},
      {"R1", "300", {Rgb(255, 0, 0), d.night, d.parallels}},
      {"R2", "-5", {d.curve, Rgb(0, 240, 0), d.parallels}},
      {"g1", "127.5", {Rgb(255, 128, 0), d.night, d.parallels}},  // halves to even
      {"g1", "128.5", {Rgb(255, 128, 0), d.night, d.parallels}},
      {"B1", "x", d},
      {"R2", "12,6", {d.curve, Rgb(13, 240, 0), d.parallels}},
      {"B2", " 64 ", {d.curve, Rgb(240, 240, 64), d.parallels}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.key << " \"" << c.text << '"');
    MemorySettingsStore store;
    store.Write("Couleurs", c.key, c.text);
    EXPECT_EQ(Fields(ReadColours(store)), Fields(c.colours));
  }
}

TEST(SettingsTest, KeysAreFoundWhateverTheirCase) {
  MemorySettingsStore store;
  store.Write("Couleurs", "Para", "255");
  store.Write("Couleurs", "G1", "100");
  store.Write("couleurs", "r2", "1");
  store.Write("CONFIG", "mem", "0");
  EXPECT_EQ(Fields(ReadColours(store)), std::tuple(Rgb(255, 100, 0), Rgb(1, 240, 0), Colour{255}));
  EXPECT_FALSE(ReadStartupOptions(store).keep_map);
  // Writing under another spelling replaces the entry.
  store.Write("Couleurs", "g1", "7");
  EXPECT_EQ(store.Read("COULEURS", "G1", "?"), "7");
  EXPECT_EQ(store.Size(), 4u);
}

}  // namespace
}  // namespace pellamar
