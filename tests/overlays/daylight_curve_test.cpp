#include "overlays/daylight_curve.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pellamar {
namespace {

// A map of 100 twips per degree both ways, centred on 0°, 0° at (2000, 1000)
// in a picture 4000 x 2000: x(λ) = 2000 + 100·λ, y(φ) = 1000 − 100·φ.
MapState HundredTwipsPerDegree() {
  MapState map;
  map.Pas_Inter = map.PasLong = 100.0f / 60.0f;
  map.Xc = 2000;
  map.Yc = 1000;
  return map;
}
constexpr double kH = 2000;
constexpr double kTol = 0.05;  // twips; the scale is a float

LinePools StartedPools() {
  LinePools pools = DesignedLinePools();
  InitLinePools(pools, {}, 4000);
  return pools;
}

// Catches < for <= at either bound, the low and high texts swapped.
TEST(DateBoxTest, UnusableDatesAreCorrected) {
  struct Case {
    const char* day;
    const char* month;
    const char* day_after;
    const char* month_after;
  };
  const Case cases[] = {
      {"0", "13", "1", "12"},     {"45", "6", "31", "6"},    {"abc", "abc", "1", "1"},
      {"", "", "1", "1"},         {"-3", "0.5", "1", "1"},   {"31.5", "12.5", "31", "12"},
      {"31", "12", "31", "12"},   {"1", "1", "1", "1"},      {"31", "2", "31", "2"},
      {" 2 5", "1 1", " 2 5", "1 1"},  // blanks are ignored: 25 and 11 pass as typed
      {"0.99", "12.01", "1", "12"},
      // The bounds themselves pass as typed, not rewritten.
      {"1.0", "12.0", "1.0", "12.0"},   {"31.0", "1.0", "31.0", "1.0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.day) + " / " + c.month);
    const DateBoxTexts after = CorrectDateBoxes({c.day, c.month});
    EXPECT_EQ(after.day, c.day_after);
    EXPECT_EQ(after.month, c.month_after);
  }
}

// A boundary table: latitude 10 on the eastern half, −20 on the western.
std::array<float, kDaylightLines> StepTable() {
  std::array<float, kDaylightLines> t{};
  for (std::size_t j = 0; j < kDaylightLines; ++j) t[j] = j < 180 ? 10.0f : -20.0f;
  return t;
}

// Catches east/west reversed, a segment ending on its own latitude, the stub
// on the wrong side, the night colour not set, the scales swapped.
TEST(DaylightCurveTest, SegmentsJoinTheBoundaryPointsFromEastToWest) {
  const MapState map = HundredTwipsPerDegree();
  LinePools pools = StartedPools();
  DaylightCurve curve;
  PlaceDaylightCurve(StepTable(), {&map, kH, 5.0f, true, Rgb(1, 2, 3)}, curve, pools);
  struct Seg {
    std::size_t i;
    double x1, y1, x2, y2;
  };
  const Seg segs[] = {
      {0, 20000, 0, 19900, 0},        // 180° E to 179° E at 10° N
      {179, 2100, 0, 2000, 3000},     // 1° E at 10° N down to 0° at 20° S
      {180, 2000, 3000, 1900, 3000},  // 0° to 1° W
      {359, -15900, 3000, -16000, 3000},
      {360, -16000, 3000, -16100, 3000},  // the stub, one degree west of 180° W
  };
  for (const Seg& s : segs) {
    SCOPED_TRACE(s.i);
    const PoolLine& l = pools.L[s.i];
    EXPECT_TRUE(l.visible);
    EXPECT_NEAR(l.X1, s.x1, kTol);
    EXPECT_NEAR(l.Y1, s.y1, kTol);
    EXPECT_NEAR(l.X2, s.x2, kTol);
    EXPECT_NEAR(l.Y2, s.y2, kTol);
  }
  for (std::size_t i = 0; i < kDaylightLines; ++i) {
    SCOPED_TRACE(i);
    // Each night line stands on the start of its segment.
    EXPECT_EQ(pools.N[i].X1, pools.L[i].X1);
    EXPECT_EQ(pools.N[i].X2, pools.L[i].X1);
    EXPECT_TRUE(pools.N[i].visible);
  }
  EXPECT_EQ(pools.N[0].colour, Rgb(1, 2, 3));
  EXPECT_EQ(pools.N[360].colour, Rgb(1, 2, 3));
  EXPECT_NEAR(pools.N[360].Y1, kH, kTol);  // 20° S lies below the bottom edge

  // Latitudes follow Pas_Inter, longitudes PasLong: half the vertical scale
  // puts 20° S at 1000 + 50·20.
  MapState flat = map;
  flat.Pas_Inter = 50.0f / 60.0f;
  PlaceDaylightCurve(StepTable(), {&flat, kH, 5.0f, true, 0}, curve, pools);
  EXPECT_NEAR(pools.L[179].Y2, 2000, kTol);
  EXPECT_NEAR(pools.L[179].X2, 2000, kTol);
  EXPECT_NEAR(pools.N[200].Y1, 2000, kTol);
}

// Catches > for >= on the declination and a dropped or wrong cut of the start.
TEST(DaylightCurveTest, NightLinesRunToTheEdgeInThePolarNightAndAreCutToTheMap) {
  const MapState map = HundredTwipsPerDegree();
  // y = 1000 − 100·φ: 5° → 500, −15° → 2500 (below the bottom, cut to it),
  // 25° → −1500 (above the top by less than a map height, kept), 35° →
  // −2500 (more than a map height above, moved to the top edge).
  std::array<float, kDaylightLines> t{};
  t.fill(5.0f);
  t[10] = -15.0f;
  t[11] = 25.0f;
  t[12] = 35.0f;
  t[360] = -15.0f;
  struct Case {
    float declination;
    double edge;
  };
  for (const Case c : {Case{0.5f, kH}, Case{0.0f, 0.0}, Case{-0.5f, 0.0}, Case{23.4f, kH}}) {
    SCOPED_TRACE(c.declination);
    LinePools pools = StartedPools();
    DaylightCurve curve;
    PlaceDaylightCurve(t, {&map, kH, c.declination, true, 0}, curve, pools);
    EXPECT_EQ(curve.NightEdge, c.edge);
    EXPECT_EQ(pools.N[0].Y2, c.edge);
    EXPECT_EQ(pools.N[360].Y2, c.edge);
    EXPECT_NEAR(pools.N[0].Y1, 500, kTol);
    EXPECT_NEAR(pools.N[10].Y1, 2000, kTol);
    EXPECT_NEAR(pools.N[11].Y1, -1500, kTol);
    EXPECT_NEAR(pools.N[12].Y1, 0, kTol);
    EXPECT_NEAR(pools.N[360].Y1, 2000, kTol);
    // The curve itself is not cut.
    EXPECT_NEAR(pools.L[10].Y1, 2500, kTol);
    EXPECT_NEAR(pools.L[12].Y1, -2500, kTol);
  }
}

// Catches night lines placed while the night zone is off.
TEST(DaylightCurveTest, WithTheNightZoneOffTheNightLinesAreLeftAlone) {
  const MapState map = HundredTwipsPerDegree();
  LinePools pools = StartedPools();
  pools.N[3].X1 = 77;
  pools.N[3].visible = false;
  pools.N[360].colour = 5;
  DaylightCurve curve;
  PlaceDaylightCurve(StepTable(), {&map, kH, 5.0f, false, Rgb(1, 2, 3)}, curve, pools);
  EXPECT_EQ(pools.N[3].X1, 77);
  EXPECT_FALSE(pools.N[3].visible);
  EXPECT_EQ(pools.N[360].colour, 5u);
  EXPECT_NEAR(pools.L[3].X1, 19700, kTol);
}

// Catches the west neighbour preferred, no wrap round 180°, entry 360 not
// read for entry 0, and a spike drawn where the boundary is missing.
TEST(DaylightCurveTest, AMeridianWithoutBoundaryTakesItsNearestNeighbours) {
  std::array<float, kDaylightLines> t{};
  t.fill(-30.0f);
  t[4] = 20.0f, t[5] = kNoBoundary, t[6] = 30.0f;  // a tie: the eastern (lower) one
  t[9] = 15.0f, t[10] = t[11] = t[12] = t[13] = kNoBoundary, t[14] = 40.0f;
  t[0] = t[360] = kNoBoundary, t[359] = 7.0f, t[1] = 9.0f;  // 180°: round the globe
  const auto drawn = DrawnBoundary(t);
  EXPECT_EQ(drawn[5], 20.0f);
  EXPECT_EQ(drawn[10], 15.0f);
  EXPECT_EQ(drawn[11], 15.0f);
  EXPECT_EQ(drawn[12], 40.0f);
  EXPECT_EQ(drawn[13], 40.0f);
  EXPECT_EQ(drawn[0], 7.0f);
  EXPECT_EQ(drawn[360], 7.0f);
  EXPECT_EQ(drawn[100], -30.0f);
  // The sampled table itself keeps the 100s.
  std::array<float, kDaylightLines> none{};
  none.fill(kNoBoundary);
  EXPECT_EQ(DrawnBoundary(none), none);
  // The 180th meridian known only as entry 360 still lends its latitude.
  std::array<float, kDaylightLines> east_end = none;
  east_end.fill(-30.0f);
  east_end[0] = east_end[1] = kNoBoundary;
  east_end[360] = 12.0f;
  EXPECT_EQ(DrawnBoundary(east_end)[1], 12.0f);

  // No spike above the pole: the segment and the night line take 20°.
  const MapState map = HundredTwipsPerDegree();
  LinePools pools = StartedPools();
  DaylightCurve curve;
  PlaceDaylightCurve(t, {&map, kH, 5.0f, true, 0}, curve, pools);
  EXPECT_NEAR(pools.L[4].Y2, -1000, kTol);
  EXPECT_NEAR(pools.L[5].Y1, -1000, kTol);
  EXPECT_NEAR(pools.N[5].Y1, -1000, kTol);
}

// Catches the position tables refilled on every placing or never refilled.
TEST(DaylightCurveTest, ThePositionTablesAreRefilledOnlyAfterBeingEmptied) {
  MapState map = HundredTwipsPerDegree();
  LinePools pools = StartedPools();
  DaylightCurve curve;
  PlaceDaylightCurve(StepTable(), {&map, kH, 5.0f, true, 0}, curve, pools);
  EXPECT_NEAR(curve.XCourbe1[0], 20000, kTol);
  EXPECT_NEAR(curve.XCourbe2[360], -16100, kTol);
  const auto first1 = curve.XCourbe1, first2 = curve.XCourbe2;
  map.Xc = 2500;  // the view moved; the tables are not emptied
  PlaceDaylightCurve(StepTable(), {&map, kH, 5.0f, true, 0}, curve, pools);
  EXPECT_NEAR(pools.L[0].X1, 20500, kTol);
  EXPECT_EQ(curve.XCourbe1, first1);
  EXPECT_EQ(curve.XCourbe2, first2);
  EmptyCurveTables(curve);
  EXPECT_EQ(curve.XCourbe1[0], 0);
  PlaceDaylightCurve(StepTable(), {&map, kH, 5.0f, true, 0}, curve, pools);
  EXPECT_NEAR(curve.XCourbe1[0], 20500, kTol);
  EXPECT_NEAR(curve.XCourbe2[360], -15600, kTol);
}

// Records the progress calls of a redraw.
class RecordingProgress final : public DaylightProgress {
 public:
  void Clear() override { calls.push_back('C'); }
  void Step() override { calls.push_back('S'); }
  std::string calls;
};

SunEphemeris WithDeclination(double delta) {
  SunEphemeris eph;
  eph.Delta = delta;
  eph.GHA = 0;
  return eph;
}

// Catches a step of the redraw left out or reordered, a wrong step count, the
// scan direction not kept for the sampling.
TEST(DaylightRedrawTest, SetsTheScalesEmptiesTheTablesAndStepsTheProgressNineTimesWhileSampling) {
  MapState map;
  map.ZOOMc = 10800;  // the whole height of the world
  map.Yc = 3000;
  map.Xc = 1;         // stale: the redraw puts it back in the middle
  LinePools pools = StartedPools();
  DaylightCurve curve;
  curve.XCourbe1.fill(123);  // stale positions of an older drawing
  RecordingProgress progress;
  RedrawDaylight(WithDeclination(10), {true, 0, 12000, 6000}, map, curve, pools, progress);
  // Emptied, stepped once, then nine steps while sampling.
  EXPECT_EQ(progress.calls, "CSSSSSSSSSS");
  // Northern summer: the scan runs from the north pole down.
  EXPECT_EQ(curve.scan.ScanStart, 90);
  EXPECT_EQ(curve.scan.ScanStep, -1);
  EXPECT_FLOAT_EQ(map.Pas_Inter, 6000.0f / 10800.0f);
  EXPECT_EQ(map.Xc, 6000);
  // The tables hold this drawing: 180° E lies 180·60·0.5556 = 6000 twips east
  // of the middle.
  EXPECT_NEAR(curve.XCourbe1[0], 12000, 0.5);
  EXPECT_EQ(curve.XCourbe1[0], pools.L[0].X1);
}

// Catches the scan from the wrong pole, a meridian skipped, a wrong step rate.
TEST(DaylightRedrawTest, SamplesTheBoundaryOnEveryWholeMeridianAtTheSolstice) {
  // 21 June 2007, 12:00 UT: declination 23.438; the Sun stands near the
  // Greenwich meridian. On it, the Sun is just below the horizon at 67° S
  // (h = 90 − 23.438 − 67 = −0.438); on the 180th meridian at 66° N
  // (h = 66 + 23.438 − 90 = −0.562), scanning from the north pole down.
  const SunEphemeris eph = ComputeSunEphemeris({21, 6, 2007, 0.5, 0});
  std::array<float, kDaylightLines> lat{};
  int steps = 0;
  SampleBoundary(eph, ScanForDeclination(SunDeclination(eph)), lat, [&steps] { ++steps; });
  EXPECT_EQ(steps, 9);
  EXPECT_EQ(lat[180], -67.0f);
  EXPECT_EQ(lat[0], 66.0f);
  EXPECT_EQ(lat[360], 66.0f);
  // Every meridian has a boundary in northern summer.
  for (std::size_t j = 0; j < kDaylightLines; ++j) EXPECT_NE(lat[j], kNoBoundary) << j;
}

}  // namespace
}  // namespace pellamar
