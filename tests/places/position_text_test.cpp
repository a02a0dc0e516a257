#include "places/position_text.h"

#include <gtest/gtest.h>

#include <string>

namespace pellamar {
namespace {

// Label2's caption, hand-worked from the degrees: minutes truncated without
// the locator; seconds rounded (and the locator on top) with it.
struct PositionCase {
  double lat, lon;
  bool qra;
  const char* caption;
};

// Faults: minutes rounded without the locator, a second not carried, a hemisphere wrong.
TEST(ShowPosition, WritesHemispheresDegreesMinutesAndSeconds) {
  const PositionCase cases[] = {
      // 48°51'24.0", 2°21'02.999" (Paris); field J/N, square 1/8, subsquare E/U.
      {48.856667, 2.350833, true, "JN18EU\nN48°51'24\"\nE02°21'03\""},
      {48.856667, 2.350833, false, "N48°51'\nE02°21'"},
      // South and west: 34°36', 58°27'.
      {-34.6, -58.45, true, "GF05SJ\nS34°36'00\"\nW58°27'00\""},
      // Exactly 0 is south and east.
      {0, 0, false, "S00°00'\nE00°00'"},
      // Just west of Greenwich: field I (179.5 / 20 = 8.975).
      {0.25, -0.5, true, "IJ90SG\nN00°15'00\"\nW00°30'00\""},
      {0.25, -0.5, false, "N00°15'\nW00°30'"},
      // Three-digit degrees; 151.2 is 151.19999… in binary but 151°12'.
      {-33.8667, 151.2, false, "S33°52'\nE151°12'"},
      // A second that rounds up carries into the minute and the degree.
      {0.99999, 2.999999, true, "JJ11MA\nN01°00'00\"\nE03°00'00\""},
      // Without seconds the minutes stay truncated: 59.9994' is 59'.
      {0.99999, 0, false, "N00°59'\nE00°00'"},
      // 59'59.6" carries into the next minute, not "60".
      {10 + 59.0 / 60 + 59.6 / 3600, 0, true, "JK01AA\nN11°00'00\"\nE00°00'00\""},
      // The corners of the grid: the last field is R, the first A.
      {90, 180, true, "RR99XX\nN90°00'00\"\nE180°00'00\""},
      {-90, -180, true, "AA00AA\nS90°00'00\"\nW180°00'00\""},
      {90, 0, true, "JR09AX\nN90°00'00\"\nE00°00'00\""},
  };
  for (const PositionCase& c : cases) {
    SCOPED_TRACE(std::string(c.caption));
    EXPECT_EQ(ShowPosition(c.lat, c.lon, c.qra), c.caption);
  }
}

// Faults: the subsquare from more than three decimals, west not mirrored, seconds left out.
TEST(ToLocator, SubsquaresFollowTheFirstThreeDecimalsOfTheTenths) {
  // Each row: a place and its locator, worked by hand from
  // x = (lon + 180) / 20 and y = (lat + 90) / 10.
  struct Case {
    DegreesMinutesSeconds lat;
    const char* NS;
    DegreesMinutesSeconds lon;
    const char* EW;
    const char* locator;
  };
  const Case cases[] = {
      // x = 9.125 exactly: the subsquare boundary 0.024 × 250 = 6 -> 'G'.
      {{0, 0, 0}, "N", {2, 30, 0}, "E", "JJ10GA"},
      // The same from the west: x = 8.875, 0.024 × 750 = 18 -> 'S'.
      {{0, 0, 0}, "N", {2, 30, 0}, "W", "IJ80SA"},
      // y = (90 - 45.5) / 10 = 4.45 -> field E, square 4, 0.024 × 500 = 12 -> 'M'.
      {{45, 30, 0}, "S", {0, 0, 0}, "E", "JE04AM"},
      // The seconds count: 0°05'03" E is x = 9.0042, 0.042 × 24 -> 'B'.
      {{0, 0, 0}, "N", {0, 5, 3}, "E", "JJ00BA"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locator);
    EXPECT_EQ(ToLocator(c.lat, c.NS, c.lon, c.EW), c.locator);
  }
}

// Fault: truncation toward zero instead of floor for negative degrees.
TEST(ConvertDegree, GivesTheRoundedSecondsOfArc) {
  EXPECT_EQ(Convert_Degree(48.856667), "24");  // 48°51'24.0"
  EXPECT_EQ(Convert_Degree(2.350833), "3");    // no leading zero
  EXPECT_EQ(Convert_Degree(0.99999), "60");    // seconds run from 0 to 60 here
  // Floor, not truncation: -0.5 is -1° + 30'00".
  EXPECT_EQ(Convert_Degree(-0.5), "0");
  EXPECT_EQ(Convert_Degree(-0.504), "46");  // -1° + 29'45.6" -> 46
}

}  // namespace
}  // namespace pellamar
