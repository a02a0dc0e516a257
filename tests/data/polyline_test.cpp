#include "convert/polyline.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pellamar::tools {
namespace {

TEST(PolylineTest, DouglasPeuckerKeepsOnlyPointsBeyondTheTolerance) {
  // Teeth of ±0.05° along a 4° run, then a 3° leg north.
  const Polyline line = {{0, 0}, {1, 0.05}, {2, 0}, {3, -0.05}, {4, 0}, {4, 3}};
  EXPECT_EQ(DouglasPeucker(line, 0.1), (Polyline{{0, 0}, {4, 0}, {4, 3}}));
  // (2, 0) lies 0.033° from the chord (1, 0.05)–(4, 0), then on the chord
  // (1, 0.05)–(3, −0.05): gone at any positive tolerance.
  const Polyline teeth = {{0, 0}, {1, 0.05}, {3, -0.05}, {4, 0}, {4, 3}};
  EXPECT_EQ(DouglasPeucker(line, 0.04), teeth);
  EXPECT_EQ(DouglasPeucker(line, 1e-9), teeth);
  EXPECT_EQ(DouglasPeucker(line, 0.0), line);
}

TEST(PolylineTest, DouglasPeuckerOnAClosedRing) {
  // First == last: distances are measured from that point.
  const Polyline ring = {{0, 0}, {1, 0}, {1, 1}, {0.5, 1.01}, {0, 1}, {0, 0}};
  const Polyline thin = DouglasPeucker(ring, 0.1);
  EXPECT_EQ(thin.front(), thin.back());
  EXPECT_EQ(thin, (Polyline{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}));
  // A ring smaller than the tolerance shrinks to its first point.
  EXPECT_EQ(DistinctPointCount(DouglasPeucker(ring, 5.0)), 1u);
}

TEST(PolylineTest, SplitsWhereLongitudeJumpsMoreThan180) {
  const Polyline line = {{179.8, 0}, {180.0, 0}, {-180.0, 0}, {-179.8, 0}, {-179.6, 0}};
  const auto parts = SplitAndCap(line);
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0], (Polyline{{179.8, 0}, {180.0, 0}}));
  EXPECT_EQ(parts[1].size(), 3u);
  // Exactly 180° apart is not a crossing (a line along a meridian pair is rare
  // but real): it is capped instead.
  EXPECT_EQ(SplitAndCap({{-90, 0}, {90, 0}}).size(), 1u);
  // A lone point left by a cut is dropped.
  EXPECT_EQ(SplitAndCap({{179, 0}, {-179, 0}}).size(), 0u);
}

TEST(PolylineTest, CapsEverySegmentAndKeepsTheOriginalPoints) {
  struct Case { LonLat a, b; std::size_t points; };
  const Case cases[] = {
      {{0, 0}, {0.4, 0.3}, 3},   // 0.5°: over the cap, halved
      {{0, 0}, {0.3, 0.3}, 2},   // 0.42°: untouched
      {{10, 20}, {38, 20}, 58},  // a 28° border segment: 57 steps
      {{0, -90}, {0, 90}, 362},  // pole to pole: 361 steps
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a.lon_deg << "," << c.a.lat_deg << " -> " << c.b.lon_deg);
    const auto parts = SplitAndCap({c.a, c.b});
    ASSERT_EQ(parts.size(), 1u);
    const Polyline& p = parts[0];
    EXPECT_EQ(p.size(), c.points);
    EXPECT_EQ(p.front(), c.a);
    EXPECT_EQ(p.back(), c.b);
    for (std::size_t i = 1; i < p.size(); ++i) {
      EXPECT_LE(std::hypot(p[i].lon_deg - p[i - 1].lon_deg, p[i].lat_deg - p[i - 1].lat_deg),
                kMaxSegmentDeg + 1e-12);
    }
  }
}

}  // namespace
}  // namespace pellamar::tools
