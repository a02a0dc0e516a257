#include "shell/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "shell/memory_settings_store.h"

namespace pellamar {
namespace {

// Remembers which keys were asked for.
class RecordingStore final : public SettingsStore {
 public:
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view fallback) const override {
    asked_.emplace_back(key);
    return inner_.Read(section, key, fallback);
  }
  void Write(std::string_view section, std::string_view key, std::string_view text) override {
    inner_.Write(section, key, text);
  }
  const std::vector<std::string>& asked() const { return asked_; }

 private:
  MemorySettingsStore inner_;
  mutable std::vector<std::string> asked_;
};

TEST(SettingsTest, EmptyStoreGivesTheFirstStartDefaults) {
  const MemorySettingsStore store;

  const StartupOptions options = ReadStartupOptions(store);
  EXPECT_TRUE(options.keep_map);
  EXPECT_TRUE(options.auto_refresh);
  EXPECT_TRUE(options.cities);
  EXPECT_TRUE(options.local_time);

  const KeptView view = ReadKeptView(store, options.keep_map);
  EXPECT_EQ(view.zoom, 13885.0);
  EXPECT_EQ(view.lat_centre_deg, 0.0f);
  EXPECT_EQ(view.lon_centre_deg, 0.0f);

  const OverlayColours colours = ReadColours(store);
  EXPECT_EQ(colours.curve, Rgb(255, 0, 0));
  EXPECT_EQ(colours.night, Rgb(240, 240, 0));
  EXPECT_EQ(colours.parallels, 32768u);
}

TEST(SettingsTest, CheckBoxIsCheckedOnlyForOne) {
  struct Case {
    std::string_view text;
    bool checked;
  };
  const Case cases[] = {
      {"1", true},      {" 1 ", true},   {"1.4", true},   {"0.6", true},   {"1abc", true},
      {"1,9", true},    {"+1", true},    {"2", false},    {"-1", false},   {"0", false},
      {"abc", false},   {"", false},     {"0.5", false},  {"1.5", false},  {"1 0", false},
      {"65537", false}, {"-0.4", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("text \"") + std::string(c.text) + "\"");
    MemorySettingsStore store;
    for (std::string_view key : {"MEM", "Raf", "Villes", "LOC"}) store.Write("Config", key, c.text);
    const StartupOptions options = ReadStartupOptions(store);
    EXPECT_EQ(options.keep_map, c.checked);
    EXPECT_EQ(options.auto_refresh, c.checked);
    EXPECT_EQ(options.cities, c.checked);
    EXPECT_EQ(options.local_time, c.checked);
  }
}

TEST(SettingsTest, MapNotKeptGivesTheWholeWorldWithoutReadingTheView) {
  RecordingStore store;
  store.Write("Config", "MEM", "0");
  store.Write("Config", "Zoom", "500");
  store.Write("Config", "LATCENTD", "4500");
  store.Write("Config", "LONCENTD", "-9000");

  const StartupOptions options = ReadStartupOptions(store);
  ASSERT_FALSE(options.keep_map);
  const KeptView view = ReadKeptView(store, options.keep_map);
  EXPECT_EQ(view.zoom, kWholeWorldZoom);
  EXPECT_EQ(view.lat_centre_deg, 0.0f);
  EXPECT_EQ(view.lon_centre_deg, 0.0f);
  for (const std::string& key : store.asked()) {
    EXPECT_TRUE(key != "Zoom" && key != "LATCENTD" && key != "LONCENTD") << key;
  }
}

TEST(SettingsTest, ZoomReading) {
  struct Case {
    std::string_view text;
    double zoom;
  };
  const Case cases[] = {
      {"20000", 20000.0},
      {"1234.5", 1234.5},
      {"1234,5", 1234.5},  // comma decimal separator
      {" 500 ", 500.0},
      {"1", 1.0},
      {"1e6", kMaxZoom},
      {"2000000", kMaxZoom},  // clamped
      {"0.999", kDefaultZoom},
      {"0", kDefaultZoom},
      {"-20000", kDefaultZoom},
      {"", kDefaultZoom},
      {"abc", kDefaultZoom},
      {"12abc", kDefaultZoom},
      {"13 885", kDefaultZoom},
      {"1.234,5", kDefaultZoom},
      {"1,234.5", kDefaultZoom},
      {"inf", kDefaultZoom},
      {"-inf", kDefaultZoom},
      {"nan", kDefaultZoom},
      {"1e400", kDefaultZoom},  // beyond double
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("Zoom \"") + std::string(c.text) + "\"");
    MemorySettingsStore store;
    store.Write("Config", "Zoom", c.text);
    EXPECT_EQ(ReadKeptView(store, true).zoom, c.zoom);
  }
}

TEST(SettingsTest, CentreReading) {
  struct Case {
    std::string_view lat_text;
    std::string_view lon_text;
    float lat_deg;
    float lon_deg;
  };
  const Case cases[] = {
      {"-1250", "1250", -12.5f, 12.5f},
      {"4567.8", "-12345.6", 45.678f, -123.456f},
      {"4567,8", "-12345,6", 45.678f, -123.456f},  // comma decimal separator
      {" 100 ", "+100", 1.0f, 1.0f},
      {"9000", "-18000", 90.0f, -180.0f},
      {"9000.01", "18000.01", 90.0f, 180.0f},  // clamped
      {"-20000", "-1e9", -90.0f, -180.0f},
      {"18000", "36000", 90.0f, 180.0f},
      {"1e2", "-1.5e3", 1.0f, -15.0f},
      {"", "abc", 0.0f, 0.0f},
      {"45abc", "1 0", 0.0f, 0.0f},
      {"inf", "nan", 0.0f, 0.0f},
      {"-0", "0.0", 0.0f, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("LATCENTD \"") + std::string(c.lat_text) + "\", LONCENTD \"" +
                 std::string(c.lon_text) + "\"");
    MemorySettingsStore store;
    store.Write("Config", "LATCENTD", c.lat_text);
    store.Write("Config", "LONCENTD", c.lon_text);
    const KeptView view = ReadKeptView(store, true);
    EXPECT_EQ(view.lat_centre_deg, c.lat_deg);
    EXPECT_EQ(view.lon_centre_deg, c.lon_deg);
    EXPECT_FALSE(std::signbit(view.lat_centre_deg) && view.lat_centre_deg == 0.0f) << "-0";
  }
}

TEST(SettingsTest, KeptViewIsWrittenWithPointAndReadBackExactly) {
  struct Case {
    std::string_view name;
    KeptView view;
    std::string_view zoom_text;  // empty: not checked
    std::string_view lat_text;
    std::string_view lon_text;
  };
  const Case cases[] = {
      {"first start", {13885.0, 0.0f, 0.0f}, "13885", "0", "0"},
      {"12.5 S", {kWholeWorldZoom, -12.5f, 0.0f}, "", "-1250", "0"},
      {"45.678 N", {1234.5, 45.678f, -123.456f}, "1234.5", "4567.8", "-12345.6"},
      {"largest", {kMaxZoom, 90.0f, 180.0f}, "1000000", "9000", "18000"},
      {"smallest", {1.0, -90.0f, -180.0f}, "1", "-9000", "-18000"},
      {"hundredths", {1.25, 0.001f, -0.07f}, "1.25", "0.1", "-7"},
      {"near the limits", {999999.9999999999, 89.99999f, 179.99998f}, "", "", ""},
      {"tiny centre", {20000.0 / 3.0, 1e-6f, -3.3e-5f}, "", "0.0001", "-0.0033"},
      {"thirds", {7.0, 33.333332f, -0.33333334f}, "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemorySettingsStore store;
    WriteConfigOnQuit(store, StartupOptions{}, c.view);
    if (!c.zoom_text.empty()) {
      EXPECT_EQ(store.Read("Config", "Zoom", "?"), c.zoom_text);
    }
    if (!c.lat_text.empty()) {
      EXPECT_EQ(store.Read("Config", "LATCENTD", "?"), c.lat_text);
    }
    if (!c.lon_text.empty()) {
      EXPECT_EQ(store.Read("Config", "LONCENTD", "?"), c.lon_text);
    }

    const KeptView read = ReadKeptView(store, true);
    EXPECT_EQ(read.zoom, c.view.zoom);
    EXPECT_EQ(read.lat_centre_deg, c.view.lat_centre_deg);
    EXPECT_EQ(read.lon_centre_deg, c.view.lon_centre_deg);
  }
}

TEST(SettingsTest, OptionsAreWrittenAsOneOrZero) {
  MemorySettingsStore store;
  const StartupOptions written{true, false, true, false};
  WriteConfigOnQuit(store, written, KeptView{});
  EXPECT_EQ(store.Read("Config", "MEM", "?"), "1");
  EXPECT_EQ(store.Read("Config", "Raf", "?"), "0");
  EXPECT_EQ(store.Read("Config", "Villes", "?"), "1");
  EXPECT_EQ(store.Read("Config", "LOC", "?"), "0");
  EXPECT_EQ(store.Size(), 7u);

  const StartupOptions read = ReadStartupOptions(store);
  EXPECT_EQ(read.keep_map, written.keep_map);
  EXPECT_EQ(read.auto_refresh, written.auto_refresh);
  EXPECT_EQ(read.cities, written.cities);
  EXPECT_EQ(read.local_time, written.local_time);
}

TEST(SettingsTest, UncheckingKeepMapWritesOnlyMem) {
  MemorySettingsStore store;
  WriteConfigOnQuit(store, StartupOptions{true, false, false, true}, KeptView{500.0, 10.0f, 20.0f});

  WriteConfigOnQuit(store, StartupOptions{false, true, true, false}, KeptView{9000.0, -5.0f, -6.0f});
  EXPECT_EQ(store.Size(), 7u);
  EXPECT_EQ(store.Read("Config", "MEM", "?"), "0");
  EXPECT_EQ(store.Read("Config", "Raf", "?"), "0");
  EXPECT_EQ(store.Read("Config", "Villes", "?"), "0");
  EXPECT_EQ(store.Read("Config", "LOC", "?"), "1");
  EXPECT_EQ(store.Read("Config", "Zoom", "?"), "500");
  EXPECT_EQ(store.Read("Config", "LATCENTD", "?"), "1000");
  EXPECT_EQ(store.Read("Config", "LONCENTD", "?"), "2000");

  // The next start: the boxes of the last kept run, the whole world.
  const StartupOptions options = ReadStartupOptions(store);
  EXPECT_FALSE(options.keep_map);
  EXPECT_FALSE(options.auto_refresh);
  EXPECT_FALSE(options.cities);
  EXPECT_TRUE(options.local_time);
  EXPECT_EQ(ReadKeptView(store, options.keep_map).zoom, kWholeWorldZoom);

  MemorySettingsStore empty;
  WriteConfigOnQuit(empty, StartupOptions{false, true, true, true}, KeptView{});
  EXPECT_EQ(empty.Size(), 1u);
  EXPECT_EQ(empty.Read("Config", "MEM", "?"), "0");
}

TEST(SettingsTest, ColourReading) {
  const OverlayColours d;  // the defaults
  struct Case {
    std::string_view key;
    std::string_view text;
    OverlayColours colours;
  };
  const Case cases[] = {
      {"para", "255", {d.curve, d.night, 255}},
      {"para", "16777215", {d.curve, d.night, 0xFFFFFF}},
      {"para", "0", {d.curve, d.night, 0}},
      {"para", "1000,4", {d.curve, d.night, 1000}},
      {"para", "2147483663", {d.curve, d.night, kHiddenColour}},
      {"para", "-2147483633", {d.curve, d.night, kHiddenColour}},  // the same, signed
      {"para", "16777216", d},
      {"para", "-1", d},
      {"para", "abc", d},
      {"para", "", d},
      {"para", "255abc", d},
      {"R1", "300", {Rgb(255, 0, 0), d.night, d.parallels}},
      {"R1", "12", {Rgb(12, 0, 0), d.night, d.parallels}},
      {"R2", "-5", {d.curve, Rgb(0, 240, 0), d.parallels}},
      {"g1", "127.5", {Rgb(255, 128, 0), d.night, d.parallels}},  // halves to even
      {"g1", "128.5", {Rgb(255, 128, 0), d.night, d.parallels}},
      {"B1", "1e9", {Rgb(255, 0, 255), d.night, d.parallels}},
      {"B1", "x", d},
      {"R2", "12,6", {d.curve, Rgb(13, 240, 0), d.parallels}},
      {"G2", " 7 ", {d.curve, Rgb(240, 7, 0), d.parallels}},
      {"G2", "abc", d},
      {"B2", "64", {d.curve, Rgb(240, 240, 64), d.parallels}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " \"" + std::string(c.text) + "\"");
    MemorySettingsStore store;
    store.Write("Couleurs", c.key, c.text);
    const OverlayColours read = ReadColours(store);
    EXPECT_EQ(read.curve, c.colours.curve);
    EXPECT_EQ(read.night, c.colours.night);
    EXPECT_EQ(read.parallels, c.colours.parallels);
  }
}

TEST(SettingsTest, KeysAreFoundWhateverTheirCase) {
  MemorySettingsStore store;
  store.Write("Couleurs", "Para", "255");
  store.Write("Couleurs", "G1", "100");
  store.Write("couleurs", "r2", "1");
  store.Write("CONFIG", "mem", "0");
  store.Write("Config", "raf", "0");

  const OverlayColours colours = ReadColours(store);
  EXPECT_EQ(colours.parallels, 255u);
  EXPECT_EQ(colours.curve, Rgb(255, 100, 0));
  EXPECT_EQ(colours.night, Rgb(1, 240, 0));
  const StartupOptions options = ReadStartupOptions(store);
  EXPECT_FALSE(options.keep_map);
  EXPECT_FALSE(options.auto_refresh);

  // Writing under another spelling replaces the entry.
  store.Write("Couleurs", "g1", "7");
  EXPECT_EQ(store.Read("COULEURS", "G1", "?"), "7");
  EXPECT_EQ(store.Size(), 5u);
}

}  // namespace
}  // namespace pellamar
