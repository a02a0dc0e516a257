#include "shell/readout.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>

namespace pellamar {
namespace {

// The status, output and error output of the read-out on 21 June 2007 at the
// given local clock time.
std::tuple<int, std::string, std::string> Readout(const std::string& place, bool utc = true,
                                                  int seconds = 12 * 3600, double zone = 0,
                                                  bool qra = false) {
  CommandLine options;
  options.readout = place;
  options.utc = utc;
  options.qra = qra;
  std::ostringstream out, err;
  const int status = RunReadout(options, FixedClock({2007, 6, 21}, seconds, zone), out, err);
  return {status, out.str(), err.str()};
}

TEST(SunReadout, ParisOnTheSolsticePrintsTheEightLinesInOrder) {
  // --readout 48.85,2.35 --date 2007-06-21 --time 12:00 --tz 0 --utc
  const auto [status, out, err] = Readout("48.85,2.35");
  ASSERT_EQ(status, 0);
  EXPECT_EQ(err, "");
  // Solar time: 12:00 UT plus 2.35° × 4 min, less the equation of time
  // read off the transit (11:52:21 vs mean noon 11:50:36): 12:07.65.
  // Azimuth from north through east and height: the NOAA solar position
  // algorithm gives 184.116° and 64.545°.
  EXPECT_EQ(out, "Position=N48°51' | E02°21'\nLever=03:46\nPassage au méridien=11:52:21\n"
                 "Coucher=19:57\nMessage=\nHeure Solaire=12:08\nAzimut= Azimut = 184.12 °\n"
                 "Hauteur= He: 64.54 °\n");
}

TEST(SunReadout, SydneyAtItsNoonSeesTheSunInTheNorth) {
  // 02:00 UT is local noon at 151.21° E; NOAA: azimuth 359.118°, height 32.686°.
  const std::string out = std::get<1>(Readout("-33.87,151.21", true, 2 * 3600));
  EXPECT_NE(out.find("\nAzimut= Azimut = 359.12 °\nHauteur= He: 32.69 °\n"), std::string::npos) << out;
}

TEST(SunReadout, QraAddsTheLocatorAndSeconds) {
  const std::string out = std::get<1>(Readout("48.856667,2.350833", true, 12 * 3600, 0, true));
  EXPECT_EQ(out.rfind("Position=JN18EU | N48°51'24\" | E02°21'03\"\nLever=", 0), 0u) << out;
}

TEST(SunReadout, TheSolarClockUsesTheZoneAndTheTimeBaseDoesNot) {
  // 14:00 in zone 2 is the same instant as 12:00 UT: same solar time at
  // Paris, whether the Sun times are in UT or local time.
  for (bool utc : {true, false}) {
    SCOPED_TRACE(utc);
    const std::string out = std::get<1>(Readout("48.85,2.35", utc, 14 * 3600, 2));
    EXPECT_NE(out.find("\nHeure Solaire=12:08\n"), std::string::npos) << out;
  }
  // Local time moves the transit by the zone.
  EXPECT_NE(std::get<1>(Readout("48.85,2.35", false, 14 * 3600, 2)).find("Passage au méridien=13:52:21"),
            std::string::npos);
}

TEST(SunReadout, MidnightSunAndLocalTime) {
  const std::string north = std::get<1>(Readout("70,0"));
  EXPECT_NE(north.find("\nLever=---\nPassage au méridien=12:01:46\nCoucher=---\n"
                       "Message=Le Soleil ne se couche pas !\n"), std::string::npos) << north;
  // New York in local time with a signed zone of -5.
  const std::string ny = std::get<1>(Readout(" 40.7 , -74 ", false, 9 * 3600, -5));
  EXPECT_NE(ny.find("\nLever=04:25\nPassage au méridien=11:57:48\nCoucher=19:30\n"), std::string::npos)
      << ny;
}

TEST(SunReadout, ThePolesAndTheAntimeridianAreInsideMalformedPlacesExit2) {
  for (const char* edge : {"90,180", "-90,-180"}) {
    SCOPED_TRACE(edge);
    EXPECT_EQ(std::get<0>(Readout(edge)), 0);
  }
  for (const char* bad : {"", "48.85", "48.85;2.35", "abc,2", "48.85,2.35x", "91,0", "0,181", "90.001,0",
                          "1e2,0", "nan,0", "inf,0", "48,85,2,35", ",", "--1,0", "1.2.3,0"}) {
    SCOPED_TRACE(bad);
    const auto [status, out, err] = Readout(bad);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("--readout"), std::string::npos);
  }
}

}  // namespace
}  // namespace pellamar
