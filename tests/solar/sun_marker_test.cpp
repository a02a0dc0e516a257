#include "solar/sun_marker.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>

namespace pellamar {
namespace {

// The east longitude and latitude of the Sun image's centre on a whole-world
// map of 60 twips per degree both ways, with a 480-twip image.
std::pair<double, double> MarkerCentre(const SunEphemeris& sun, float lon_centre = 0,
                                       float lat_centre = 0) {
  const SunMarkerMap m{lat_centre, lon_centre, 1, 1, 10800, 5400, 480, 480};
  const SunMarkerPlace p = PlaceSunMarker(sun, m);
  return {(p.Xpi + 240 - m.Xc) / 60 + lon_centre, lat_centre - (p.Ypi + 240 - m.Yc) / 60};
}

TEST(SunMarker, StandsOnTheSubsolarPointAndGoesWestAtHourAngle180) {
  // 12:00 UT on 21 March 2007, GHA 358.178.
  const auto [lon, lat] = MarkerCentre(ComputeSunEphemeris({21, 3, 2007, 0.5, 0}));
  char buf[32];
  auto fixed3 = [&](double v) {
    return std::string(buf, std::to_chars(buf, buf + 32, v, std::chars_format::fixed, 3).ptr);
  };
  EXPECT_EQ(fixed3(lon), "1.822");
  EXPECT_EQ(fixed3(lat), "0.194");
  // GHA 180 is drawn at the west edge; an off-centre view changes nothing.
  for (const auto& [gha, east] : {std::pair{180.0, -180.0}, {180.001, 179.999}, {90.0, -90.0}}) {
    SCOPED_TRACE(gha);
    const auto centre = MarkerCentre({.Delta = 5, .GHA = gha}, 30, -10);
    EXPECT_NEAR(centre.first, east, 1e-9);
    EXPECT_NEAR(centre.second, 5, 1e-9);
  }
}

}  // namespace
}  // namespace pellamar
