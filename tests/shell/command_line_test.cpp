#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/startup.h"

namespace pellamar {
namespace {

// Applies the options in order; fails the test at the first refusal.
CommandLine Apply(const std::vector<std::pair<std::string, std::string>>& options) {
  CommandLine cl;
  for (const auto& [name, value] : options) {
    const std::string error = ApplyOption(cl, name, value);
    EXPECT_EQ(error, "") << name << " " << value;
  }
  return cl;
}

// Faults: a value stored in another field; latitude and longitude swapped.
TEST(CommandLineTest, EachValueLandsInItsOwnField) {
  const CommandLine cl = Apply({{"snapshot", "out.jpg"}, {"size", "800x600"}, {"date", "2024-02-29"},
                                {"time", "23:30:15"}, {"tz", "-5"}, {"centre", "48.85, 2.35"},
                                {"zoom", "2400.5"}, {"readout", "10,20"}});
  EXPECT_EQ(*cl.snapshot_path, "out.jpg");
  EXPECT_EQ(cl.snapshot_width, 800);
  EXPECT_EQ(cl.snapshot_height, 600);
  EXPECT_EQ(cl.date->year, 2024);
  EXPECT_EQ(cl.date->month, 2);
  EXPECT_EQ(cl.date->day, 29);
  EXPECT_EQ(*cl.seconds_of_day, 23 * 3600 + 30 * 60 + 15);
  EXPECT_EQ(*cl.utc_offset_hours, -5);
  // Latitude first, then longitude.
  EXPECT_DOUBLE_EQ(cl.centre->lat_deg, 48.85);
  EXPECT_DOUBLE_EQ(cl.centre->lon_east_deg, 2.35);
  EXPECT_DOUBLE_EQ(*cl.zoom, 2400.5);
  EXPECT_EQ(*cl.readout, "10,20");
  EXPECT_FALSE(cl.utc || cl.qra || cl.precise || cl.help || cl.version);
}

// Faults: the offset's sign flipped; no carry across a month, year or leap day.
TEST(ShiftUtc, TheInstantSeenInAnotherZone) {
  struct Case {
    CivilDate utc;
    int utc_seconds;
    double offset;
    CivilDate date;
    int seconds;
  };
  const Case cases[] = {
      {{2026, 6, 21}, 12 * 3600, -5, {2026, 6, 21}, 7 * 3600},
      {{2026, 6, 21}, 12 * 3600, 5.75, {2026, 6, 21}, 17 * 3600 + 45 * 60},
      // Back across a year's first day, and forward across a leap day.
      {{2027, 1, 1}, 2 * 3600, -5, {2026, 12, 31}, 21 * 3600},
      {{2024, 2, 28}, 23 * 3600, 2, {2024, 2, 29}, 3600},
      {{2023, 2, 28}, 23 * 3600, 2, {2023, 3, 1}, 3600},
      {{2026, 3, 31}, 20 * 3600, 14, {2026, 4, 1}, 10 * 3600},
      {{2026, 5, 1}, 0, -14, {2026, 4, 30}, 10 * 3600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.offset);
    const CivilTime t = ShiftUtc(c.utc, c.utc_seconds, c.offset);
    EXPECT_EQ(t.date.year, c.date.year);
    EXPECT_EQ(t.date.month, c.date.month);
    EXPECT_EQ(t.date.day, c.date.day);
    EXPECT_EQ(t.seconds_of_day, c.seconds);
  }
}

// Fault: a switch wired to another flag.
TEST(CommandLineTest, EachSwitchSetsOnlyItsOwnFlag) {
  const struct { const char* name; bool CommandLine::*flag; } cases[] = {
      {"utc", &CommandLine::utc},         {"qra", &CommandLine::qra},   {"precise", &CommandLine::precise},
      {"help", &CommandLine::help},       {"version", &CommandLine::version},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CommandLine cl = Apply({{c.name, ""}});
    for (const auto& other : cases) EXPECT_EQ(cl.*(other.flag), other.flag == c.flag) << other.name;
  }
}

// Faults: a clamp dropped or its bounds wrong.
TEST(CommandLineTest, CentreAndZoomArePinnedToTheClickLimits) {
  const struct { const char* centre; double lat, lon; } centres[] = {
      {"95,200", 90, 180}, {"-90.5,-180.01", -90, -180}, {"90,180", 90, 180}, {"-12.5,+170", -12.5, 170},
  };
  for (const auto& c : centres) {
    SCOPED_TRACE(c.centre);
    const CommandLine cl = Apply({{"centre", c.centre}});
    EXPECT_DOUBLE_EQ(cl.centre->lat_deg, c.lat);
    EXPECT_DOUBLE_EQ(cl.centre->lon_east_deg, c.lon);
  }
  const struct { const char* zoom; double minutes; } zooms[] = {
      {"0.25", 1}, {"1", 1}, {"1.5", 1.5}, {"2000000", kMaxZoom}, {"12675.109", 12675.109},
  };
  for (const auto& z : zooms) {
    SCOPED_TRACE(z.zoom);
    EXPECT_DOUBLE_EQ(*Apply({{"zoom", z.zoom}}).zoom, z.minutes);
  }
}

// Faults: a bound taken as < for <=; a malformed value taken or half stored.
TEST(CommandLineTest, BoundsAreInclusiveAndMalformedValuesChangeNothing) {
  for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
           {"size", "64x16384"}, {"size", "16384x64"}, {"tz", "14"}, {"tz", "-14"}, {"date", "2024-02-29"}}) {
    SCOPED_TRACE(name + " " + value);
    CommandLine cl;
    EXPECT_EQ(ApplyOption(cl, name, value), "");
  }
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"snapshot", ""},       {"size", "1920"},       {"size", "10x10"},      {"size", "20000x100"},
      {"size", "63x64"},      {"size", "64x16385"},   {"date", "2023-02-29"}, {"date", "2024-13-01"},
      {"date", "24-01-01"},   {"date", "2024-00-10"}, {"date", "2024-01-00"}, {"time", "24:00"},
      {"time", "12:60"},      {"time", "1:00"},       {"tz", "abc"},          {"tz", "14.01"},
      {"tz", "-14.01"},       {"tz", "1e1"},          {"readout", ""},        {"centre", "48.85"},
      {"centre", "48,2,3"},   {"centre", "nan,0"},    {"centre", "48;2"},     {"zoom", "0"},
      {"zoom", "-5"},         {"zoom", "inf"},        {"zoom", "1e3"},        {"frobnicate", ""},
  };
  for (const auto& [name, value] : bad) {
    SCOPED_TRACE(name + " " + value);
    CommandLine cl;
    EXPECT_NE(ApplyOption(cl, name, value), "");
    EXPECT_FALSE(cl.snapshot_path || cl.date || cl.seconds_of_day || cl.utc_offset_hours || cl.readout ||
                 cl.centre || cl.zoom);
    EXPECT_EQ(cl.snapshot_width, 1920);
    EXPECT_EQ(cl.snapshot_height, 1080);
  }
}

// Fault: --centre or --zoom taken without --snapshot.
TEST(CommandLineTest, CentreAndZoomNeedASnapshot) {
  EXPECT_NE(CheckOptions(Apply({{"centre", "0,0"}})), "");
  EXPECT_NE(CheckOptions(Apply({{"zoom", "600"}, {"readout", "0,0"}})), "");
  EXPECT_EQ(CheckOptions(Apply({{"centre", "0,0"}, {"zoom", "600"}, {"snapshot", "a.png"}})), "");
  EXPECT_EQ(CheckOptions(Apply({{"readout", "0,0"}, {"qra", ""}})), "");
}

// Faults: an option left out of the parser or the help.
TEST(CommandLineTest, EveryOptionIsKnownAndListedInTheHelp) {
  const std::string usage = CommandLineUsage();
  ASSERT_GE(CommandLineOptions().size(), 13u);
  for (const OptionSpec& o : CommandLineOptions()) {
    SCOPED_TRACE(std::string(o.name));
    CommandLine cl;
    // A switch is taken; a value option without a value names itself.
    const std::string error = ApplyOption(cl, o.name, "");
    EXPECT_EQ(error.find("inconnue"), std::string::npos) << error;
    std::string line = "--" + std::string(o.name);
    if (!o.value_name.empty()) line += " " + std::string(o.value_name);
    EXPECT_NE(usage.find(line), std::string::npos);
    EXPECT_NE(usage.find(std::string(o.description)), std::string::npos);
  }
  EXPECT_NE(usage.find("-h, --help"), std::string::npos);
  EXPECT_NE(usage.find("-v, --version"), std::string::npos);
}

// Faults: the suffix taken from a folder or compared case-sensitively.
TEST(ImageFormatTest, TheSuffixNamesAWritableFormatInAnyCase) {
  const std::vector<std::string> writable = {"bmp", "jpeg", "jpg", "png", "ppm"};
  const struct { const char* path; const char* format; } cases[] = {
      {"carte.png", "png"},       {"/tmp/x/Carte.JPG", "jpg"}, {"a.b.jpeg", "jpeg"}, {"out.Bmp", "bmp"},
      {"carte.gif", ""},          {"carte", ""},               {"carte.", ""},       {".png", ""},
      {"dossier.png/carte", ""},  {"carte.png.txt", ""},       {"C:\\cartes.png\\carte", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const std::optional<std::string> format = ImageFormatForPath(c.path, writable);
    EXPECT_EQ(format.value_or(""), c.format);
  }
}

// Faults: trailing zeros kept, "-0" written, more than two decimals.
TEST(ZoneTextTest, ShortestTextWithAtMostTwoDecimals) {
  const struct { double hours; const char* text; } cases[] = {
      {2, "2"}, {-5, "-5"}, {5.75, "5.75"}, {5.5, "5.5"}, {-3.5, "-3.5"},
      {0, "0"}, {-0.0, "0"}, {12.75, "12.75"}, {1.0 / 3, "0.33"}, {-0.001, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hours);
    EXPECT_EQ(ZoneText(c.hours), c.text);
  }
}

}  // namespace
}  // namespace pellamar
