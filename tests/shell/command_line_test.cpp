#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "map/rebuild.h"
#include "shell/city_file_location.h"
#include "shell/layout.h"
#include "shell/readout.h"
#include "shell/startup.h"

namespace pellamar {
namespace {

using Option = std::pair<std::string, std::string>;

// Applies the options in order; fails the test at the first refusal.
CommandLine Apply(const std::vector<Option>& options) {
  CommandLine cl;
  for (const auto& [name, value] : options) EXPECT_EQ(ApplyOption(cl, name, value), "") << name << " " << value;
  return cl;
}

// Faults: a value stored in another field; latitude and longitude swapped; a
// switch wired to another flag.
TEST(CommandLineTest, EachValueInItsFieldPinnedValuesInclusiveBoundsAndMalformedValues) {
  const CommandLine cl = Apply({{"snapshot", "out.jpg"}, {"size", "800x600"}, {"date", "2024-02-29"},
                                {"time", "23:30:15"}, {"tz", "-5"}, {"centre", "48.85, 2.35"},
                                {"zoom", "2400.5"}, {"readout", "10,20"}});
  EXPECT_EQ(std::tuple(*cl.snapshot_path, cl.snapshot_width, cl.snapshot_height, *cl.readout),
            std::tuple("out.jpg", 800, 600, "10,20"));
  EXPECT_EQ(std::tuple(cl.date->year, cl.date->month, cl.date->day, *cl.seconds_of_day, *cl.utc_offset_hours),
            std::tuple(2024, 2, 29, 23 * 3600 + 30 * 60 + 15, -5.0));
  EXPECT_EQ(std::tuple(cl.centre->lat_deg, cl.centre->lon_east_deg, *cl.zoom), std::tuple(48.85, 2.35, 2400.5));
  const std::pair<const char*, bool CommandLine::*> switches[] = {
      {"utc", &CommandLine::utc},   {"qra", &CommandLine::qra},         {"precise", &CommandLine::precise},
      {"help", &CommandLine::help}, {"version", &CommandLine::version},
  };
  for (const auto& [name, flag] : switches) {
    const CommandLine one = Apply({{name, ""}});
    for (const auto& [other, other_flag] : switches) EXPECT_EQ(one.*other_flag, other_flag == flag) << name << other;
    EXPECT_FALSE(cl.*flag) << name;
  }

  // Faults: a clamp dropped or its bounds wrong; a bound taken as < for <=; a
  // malformed value taken or half stored.
  const std::tuple<const char*, double, double> centres[] = {
      {"95,200", 90, 180}, {"-90.5,-180.01", -90, -180}, {"-12.5,+170", -12.5, 170}};
  for (const auto& [text, lat, lon] : centres) {
    const CommandLine cl = Apply({{"centre", text}});
    EXPECT_EQ(std::tuple(cl.centre->lat_deg, cl.centre->lon_east_deg), std::tuple(lat, lon)) << text;
  }
  const std::pair<const char*, double> zooms[] = {{"0.25", 1}, {"1.5", 1.5}, {"2000000", kMaxZoom}};
  for (const auto& [text, minutes] : zooms) EXPECT_EQ(*Apply({{"zoom", text}}).zoom, minutes) << text;
  Apply({{"size", "64x16384"}, {"size", "16384x64"}, {"tz", "14"}, {"tz", "-14"}, {"time", "23:59:59"}});

  const Option bad[] = {
      {"snapshot", ""},       {"size", "1920"},       {"size", "63x64"},      {"size", "64x16385"},
      {"date", "2023-02-29"}, {"date", "1900-02-29"}, {"date", "2024-13-01"}, {"date", "2024-04-31"},
      {"date", "24-01-01"},   {"date", "2024-00-10"}, {"time", "24:00"},      {"time", "12:60"},
      {"time", "1:00"},       {"tz", "abc"},          {"tz", "14.01"},        {"tz", "-14.01"},
      {"tz", "1e1"},          {"readout", ""},        {"centre", "48.85"},    {"centre", "48,2,3"},
      {"centre", "nan,0"},    {"zoom", "0"},          {"zoom", "inf"},        {"frobnicate", ""},
  };
  for (const auto& [name, value] : bad) {
    CommandLine cl;
    EXPECT_NE(ApplyOption(cl, name, value), "") << name << " " << value;
    EXPECT_FALSE(cl.snapshot_path || cl.date || cl.seconds_of_day || cl.utc_offset_hours || cl.readout ||
                 cl.centre || cl.zoom);
    EXPECT_EQ(std::tuple(cl.snapshot_width, cl.snapshot_height), std::tuple(1920, 1080));
  }
}

// Faults: --centre or --zoom taken without --snapshot; an option left out of
// the parser or the help; the image suffix taken from a folder or compared
// case-sensitively.
TEST(CommandLineTest, CentreAndZoomNeedASnapshotEveryOptionIsInTheHelpAndTheSuffixNamesAFormat) {
  EXPECT_NE(CheckOptions(Apply({{"centre", "0,0"}})), "");
  EXPECT_NE(CheckOptions(Apply({{"zoom", "600"}, {"readout", "0,0"}})), "");
  EXPECT_EQ(CheckOptions(Apply({{"centre", "0,0"}, {"zoom", "600"}, {"snapshot", "a.png"}})), "");
  const std::string usage = CommandLineUsage();
  ASSERT_GE(CommandLineOptions().size(), 13u);
  for (const OptionSpec& o : CommandLineOptions()) {
    SCOPED_TRACE(std::string(o.name));
    CommandLine cl;
    // A switch is taken; a value option without a value names itself.
    EXPECT_EQ(ApplyOption(cl, o.name, "").find("inconnue"), std::string::npos);
    const std::string line = "--" + std::string(o.name) + (o.value_name.empty() ? "" : " ") + std::string(o.value_name);
    EXPECT_NE(usage.find(line + " "), std::string::npos);
    EXPECT_NE(usage.find(std::string(o.description) + "\n"), std::string::npos);
  }
  EXPECT_NE(usage.find("  -h, --help"), std::string::npos);

  const std::vector<std::string> writable = {"az", "bmp", "jpeg", "jpg", "png"};
  const std::pair<const char*, const char*> cases[] = {
      {"/tmp/x/Carte.JPG", "jpg"}, {"a.b.jpeg", "jpeg"},    {"out.Bmp", "bmp"},      {"carte.AZ", "az"},
      {"carte.gif", ""},           {"carte.", ""},          {".png", ""},            {"C:\\cartes\\.png", ""},
      {"dossier.png/carte", ""},
  };
  for (const auto& [path, format] : cases) EXPECT_EQ(ImageFormatForPath(path, writable).value_or(""), format) << path;
}

// Faults: the offset's sign flipped; no carry across a month, year or leap
// day; a negative instant not floored; zone text with trailing zeros, "-0"
// or more than two decimals.
TEST(CommandLineTest, TheInstantSeenInAnotherZoneAndItsZoneText) {
  const std::tuple<CivilDate, int, double, CivilDate, int> cases[] = {
      {{2026, 6, 21}, 12 * 3600, 5.75, {2026, 6, 21}, 17 * 3600 + 45 * 60},
      // Back across a year's first day, and forward across a leap day.
      {{2027, 1, 1}, 2 * 3600, -5, {2026, 12, 31}, 21 * 3600},
      {{2024, 2, 28}, 23 * 3600, 2, {2024, 2, 29}, 3600},
      {{2023, 2, 28}, 23 * 3600, 2, {2023, 3, 1}, 3600},
      {{1970, 1, 1}, 0, -14, {1969, 12, 31}, 10 * 3600},
  };
  for (const auto& [utc, utc_seconds, offset, date, seconds] : cases) {
    const CivilTime t = ShiftUtc(utc, utc_seconds, offset);
    EXPECT_EQ(std::tuple(t.date.year, t.date.month, t.date.day, t.seconds_of_day),
              std::tuple(date.year, date.month, date.day, seconds)) << offset;
  }
  const std::pair<double, const char*> zones[] = {
      {-5, "-5"}, {5.75, "5.75"}, {-3.5, "-3.5"}, {-0.0, "0"}, {-2.0 / 3, "-0.67"}, {-0.001, "0"},
  };
  for (const auto& [hours, text] : zones) EXPECT_EQ(ZoneText(hours), text) << hours;
}

// The status, output and error output of the read-out on 21 June 2007 at the
// given local clock time.
std::tuple<int, std::string, std::string> Readout(const std::string& place, bool utc = true,
                                                  int seconds = 12 * 3600, double zone = 0, bool qra = false) {
  const CommandLine options{.readout = place, .utc = utc, .qra = qra};
  std::ostringstream out, err;
  const int status = RunReadout(options, FixedClock({2007, 6, 21}, seconds, zone), out, err);
  return {status, out.str(), err.str()};
}

// Faults: a line missing, out of order or wired to another value.
TEST(SunReadout, ParisOnTheSolsticePrintsTheEightLinesAndEachOptionChangesOnlyItsOwn) {
  // --readout 48.85,2.35 --date 2007-06-21 --time 12:00 --tz 0 --utc
  // Solar time: 12:00 UT plus 2.35° × 4 min, less the equation of time
  // read off the transit (11:52:21 vs mean noon 11:50:36): 12:07.65.
  // Azimuth from north through east and height: the NOAA solar position
  // algorithm gives 184.116° and 64.545°.
  EXPECT_EQ(Readout("48.85,2.35"),
            std::tuple(0,
                       "Position=N48°51' | E02°21'\nLever=03:46\nPassage au méridien=11:52:21\n"
                       "Coucher=19:57\nMessage=\nHeure Solaire=12:08\nAzimut= Azimut = 184.12 °\n"
                       "Hauteur= He: 64.54 °\n",
                       ""));

  // Faults: locator left out, zone lost or applied twice, local time and UT
  // swapped, azimuth not from north, no midnight sun, a sign dropped.
  const std::tuple<const char*, bool, int, double, bool, const char*> cases[] = {
      // 02:00 UT is local noon at 151.21° E; NOAA: azimuth 359.118°, height 32.686°.
      {"-33.87,151.21", true, 2 * 3600, 0, false, "\nAzimut= Azimut = 359.12 °\nHauteur= He: 32.69 °\n"},
      {"48.856667,2.350833", true, 12 * 3600, 0, true, "Position=JN18EU | N48°51'24\" | E02°21'03\"\nLever="},
      // 14:00 in zone 2 is 12:00 UT: the same solar time whatever the time
      // base; local time moves the transit by the zone.
      {"48.85,2.35", true, 14 * 3600, 2, false, "\nPassage au méridien=11:52:21\nCoucher=19:57\n"},
      {"48.85,2.35", false, 14 * 3600, 2, false,
       "\nPassage au méridien=13:52:21\nCoucher=21:57\nMessage=\nHeure Solaire=12:08\n"},
      {"70,0", true, 12 * 3600, 0, false,
       "\nLever=---\nPassage au méridien=12:01:46\nCoucher=---\nMessage=Le Soleil ne se couche pas !\n"},
      {" 40.7 , -74 ", false, 9 * 3600, -5, false, "\nLever=04:25\nPassage au méridien=11:57:48\nCoucher=19:30\n"},
  };
  for (const auto& [place, utc, seconds, zone, qra, lines] : cases) {
    const std::string out = std::get<1>(Readout(place, utc, seconds, zone, qra));
    EXPECT_NE(out.find(lines), std::string::npos) << out;
  }
}

// Faults: a bound taken as < for <=; a malformed place read as a number or
// given status 0.
TEST(SunReadout, ThePolesAndTheAntimeridianAreInsideMalformedPlacesExit2) {
  for (const char* edge : {"90,180", "-90,-180"}) EXPECT_EQ(std::get<0>(Readout(edge)), 0) << edge;
  for (const char* bad : {"", "48.85", "48.85;2.35", "abc,2", "48.85,2.35x", "90.001,0", "0,-180.5", "1e2,0",
                          "nan,0", "48,85,2,35", "--1,0", "1.2.3,0"}) {
    const auto [status, out, err] = Readout(bad);
    EXPECT_EQ(std::tuple(status, out), std::tuple(2, "")) << bad;
    EXPECT_NE(err.find("--readout"), std::string::npos);
  }
}


auto Fields(const TwipRect& r) { return std::tuple(r.left, r.top, r.width, r.height); }

// Catches a panel placed from another's size, the map's margins wrong, the
// progress panel not centred, a list or button not following Frame2.
TEST(LayoutTest, PanelsOnAScreen15360TwipsWideOnANarrowOneAndTheProgressShapes) {
  // A window of 15360 × 11520 twips, worked by hand: the map is 15360 - 200
  // wide and 11520 - 1635 - 1000 = 8885 high, below the top row.
  const MainLayout l = ComputeLayout(15360, 11520);
  const std::pair<TwipRect, TwipRect> cases[] = {
      {l.fra_cherche, {0, 0, 2940, 1635}},      {l.fra_config, {3225, 0, 4635, 1635}},
      {l.fra_sol, {7860, 0, 7500, 1635}},       {l.picture1, {50, 1635, 15160, 8885}},
      {l.frame2, {10, 10, 3045, 8785}},         {l.frame4, {0, -60, 4815, 6225}},
      {l.picture2, {0, 0, 3660, 500}},          {l.frame8, {0, 8885 - 2055, 3690, 2055}},  // at the bottom left
      {l.frame3, {7580 - 1635, 4442.5 - 772.5, 3270, 1545}},  // centred on the map
  };
  for (const auto& [rect, want] : cases) EXPECT_EQ(Fields(rect), Fields(want));
  EXPECT_EQ(std::tuple(l.command3_top, l.list3_height), std::tuple(8785 - 500, 8785 - 1300));

  // Catches < for <= at the left limit of the configuration panel: narrower
  // than FraSol + FraConfig + 10, FraConfig overlaps FraSol.
  EXPECT_EQ(ComputeLayout(7500 + 4635 + 5, 9000).fra_config.left, 10);
  EXPECT_EQ(ComputeLayout(7500 + 4635 - 5, 9000).fra_config.left, 10);
  EXPECT_EQ(ComputeLayout(7500 + 4635 + 11, 9000).fra_config.left, 11);

  // Catches a wrong gap between the progress shapes: 30 twips apart.
  const auto lefts = ProgressShapeLefts(60, 135);
  EXPECT_EQ(std::tuple(lefts[0], lefts[1], lefts[8]), std::tuple(60, 60 + 165, 60 + 8 * 165));
}

// Catches the copy not read once it exists, a read-only program folder
// written to, the copy written while the shipped file is writable and alone.
TEST(CityFileLocationTest, TheUserCopyWinsWhenItExistsOrWhenTheProgramFolderIsReadOnly) {
  const CityFileFolders folders{"/opt/pellamar", "/home/u/.local/share/pellamar"};
  const std::filesystem::path shipped = "/opt/pellamar/Villes.txt";
  const std::filesystem::path copy = "/home/u/.local/share/pellamar/Villes.txt";
  // Whether the copy exists, whether the program folder is writable, the
  // file read and the file written.
  const std::tuple<bool, bool, std::filesystem::path, std::filesystem::path> cases[] = {
      {false, true, shipped, shipped}, {false, false, shipped, copy}, {true, true, copy, copy}};
  for (const auto& [exists, writable, read, write] : cases) {
    EXPECT_EQ(CityFileToRead(folders, exists), read);
    EXPECT_EQ(CityFileToWrite(folders, exists, writable), write) << exists << writable;
  }
}

}  // namespace
}  // namespace pellamar
