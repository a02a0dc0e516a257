#include "solar/sun_marker.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>

namespace pellamar {
namespace {

// A whole-world map: 60 twips per degree both ways, centre (0, 0) drawn at
// (Xc, Yc), with a 480-twip Sun image.
SunMarkerMap WorldMap() {
  SunMarkerMap m;
  m.Pas_Inter = 1;
  m.PasLong = 1;
  m.Xc = 10800;
  m.Yc = 5400;
  m.image_width = 480;
  m.image_height = 480;
  return m;
}

// The east longitude and latitude of the image's centre.
struct Centre {
  double lon_east, lat;
};
Centre MarkerCentre(const SunMarkerPlace& p, const SunMarkerMap& m) {
  return {(p.Xpi + m.image_width / 2 - m.Xc) / 60 + m.LONCENTD,
          m.LATCENTD - (p.Ypi + m.image_height / 2 - m.Yc) / 60};
}

std::string Fixed3(double v) {
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
  return std::string(buf, end);
}

TEST(SunMarker, EquinoxNoonStandsOnTheSubsolarPoint) {
  // Worked example: 12:00 UT on 21 March 2007, GHA 358.178.
  SunInstant when;
  when.D = 21;
  when.M = 3;
  when.Y = 2007;
  when.t = 0.5;
  const SunMarkerMap map = WorldMap();
  const SunMarkerPlace p = PlaceSunMarker(ComputeSunEphemeris(when), map);
  const Centre c = MarkerCentre(p, map);
  EXPECT_EQ(Fixed3(c.lon_east), "1.822");
  EXPECT_EQ(Fixed3(c.lat), "0.194");
  EXPECT_EQ(p.left, static_cast<float>(p.Xpi));
  EXPECT_EQ(p.top, static_cast<float>(p.Ypi));
}

TEST(SunMarker, HourAngle180IsDrawnAtTheWestEdge) {
  SunMarkerMap map = WorldMap();
  map.LONCENTD = 30;  // an off-centre view changes nothing to the rule
  map.LATCENTD = -10;
  struct Case {
    double gha;
    double lon_east;
  };
  for (const Case& c : {Case{180, -180}, Case{180.001, 179.999}, Case{0, 0}, Case{90, -90}}) {
    SCOPED_TRACE(c.gha);
    SunEphemeris e;
    e.GHA = c.gha;
    e.Delta = 5;
    const Centre centre = MarkerCentre(PlaceSunMarker(e, map), map);
    EXPECT_NEAR(centre.lon_east, c.lon_east, 1e-9);
    EXPECT_NEAR(centre.lat, 5, 1e-9);
  }
}

}  // namespace
}  // namespace pellamar
