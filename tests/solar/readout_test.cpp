#include "solar/readout.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace pellamar {
namespace {

struct ReadoutRun {
  int status;
  std::string out, err;
};

ReadoutRun Readout(const std::string& place, bool utc, CivilDate date, int seconds, double zone) {
  CommandLine options;
  options.readout = place;
  options.utc = utc;
  const FixedClock clock(date, seconds, zone);
  std::ostringstream out, err;
  const int status = RunReadout(options, clock, out, err);
  return {status, out.str(), err.str()};
}

std::string Line(const std::string& text, const std::string& key) {
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return "<missing>";
}

TEST(SunReadout, ParisOnTheSolstice) {
  // --readout 48.85,2.35 --date 2007-06-21 --time 12:00 --tz 0 --utc
  const ReadoutRun r = Readout("48.85,2.35", true, {2007, 6, 21}, 12 * 3600, 0);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  // The six lines, in this order.
  std::istringstream lines(r.out);
  const char* starts[] = {"Lever=03:46",   "Passage au méridien=11:52:21", "Coucher=19:57",
                          "Message=",      "Azimut= Azimut = ",            "Hauteur= He: "};
  std::string line;
  for (const char* start : starts) {
    ASSERT_TRUE(std::getline(lines, line)) << start;
    EXPECT_EQ(line.rfind(start, 0), 0u) << line;
  }
  EXPECT_EQ(Line(r.out, "Message"), "");
  EXPECT_FALSE(std::getline(lines, line));
  // Near noon in June the Sun stands high in the south.
  EXPECT_EQ(Line(r.out, "Hauteur").substr(0, 7), " He: 64");
}

TEST(SunReadout, MidnightSunAndLocalTime) {
  const ReadoutRun north = Readout("70,0", true, {2007, 6, 21}, 12 * 3600, 0);
  EXPECT_EQ(Line(north.out, "Message"), "Le Soleil ne se couche pas !");
  EXPECT_EQ(Line(north.out, "Lever"), "---");
  // New York in local time with a signed zone of -5.
  const ReadoutRun ny = Readout(" 40.7 , -74 ", false, {2007, 6, 21}, 9 * 3600, -5);
  ASSERT_EQ(ny.status, 0);
  EXPECT_EQ(Line(ny.out, "Passage au méridien"), "11:57:48");
  EXPECT_EQ(Line(ny.out, "Lever"), "04:25");
  EXPECT_EQ(Line(ny.out, "Coucher"), "19:30");
}

TEST(SunReadout, MalformedPlaceExits2) {
  for (const char* bad : {"", "48.85", "48.85;2.35", "abc,2", "48.85,2.35x", "91,0", "0,181",
                          "1e2,0", "nan,0", "inf,0", "48,85,2,35", ",", "--1,0", "1.2.3,0"}) {
    SCOPED_TRACE(bad);
    const ReadoutRun r = Readout(bad, true, {2007, 6, 21}, 12 * 3600, 0);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("--readout"), std::string::npos);
  }
}

}  // namespace
}  // namespace pellamar
