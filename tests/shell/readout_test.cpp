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

// Faults: a line missing, out of order or wired to another value.
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

// Faults: locator left out, zone lost or applied twice, azimuth not from north, no midnight sun.
TEST(SunReadout, EachOptionChangesOnlyItsOwnLines) {
  const struct { const char* place; bool utc; int seconds; double zone; bool qra; const char* lines; } cases[] = {
      // 02:00 UT is local noon at 151.21° E; NOAA: azimuth 359.118°, height 32.686°.
      {"-33.87,151.21", true, 2 * 3600, 0, false, "\nAzimut= Azimut = 359.12 °\nHauteur= He: 32.69 °\n"},
      {"48.856667,2.350833", true, 12 * 3600, 0, true, "Position=JN18EU | N48°51'24\" | E02°21'03\"\nLever="},
      // 14:00 in zone 2 is 12:00 UT: the same solar time whatever the time
      // base; local time moves the transit by the zone.
      {"48.85,2.35", true, 14 * 3600, 2, false, "\nPassage au méridien=11:52:21\n"},
      {"48.85,2.35", true, 14 * 3600, 2, false, "\nHeure Solaire=12:08\n"},
      {"48.85,2.35", false, 14 * 3600, 2, false, "\nPassage au méridien=13:52:21\n"},
      {"48.85,2.35", false, 14 * 3600, 2, false, "\nHeure Solaire=12:08\n"},
      {"70,0", true, 12 * 3600, 0, false,
       "\nLever=---\nPassage au méridien=12:01:46\nCoucher=---\nMessage=Le Soleil ne se couche pas !\n"},
      {" 40.7 , -74 ", false, 9 * 3600, -5, false, "\nLever=04:25\nPassage au méridien=11:57:48\nCoucher=19:30\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    const std::string out = std::get<1>(Readout(c.place, c.utc, c.seconds, c.zone, c.qra));
    EXPECT_NE(out.find(c.lines), std::string::npos) << out;
  }
}

// Faults: a bound taken as < for <=; a malformed place read as a number or given status 0.
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
