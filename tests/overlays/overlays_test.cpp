#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "overlays/daylight_curve.h"
#include "overlays/line_pool.h"
#include "overlays/parallels.h"
#include "overlays/scale_bar.h"
#include "support/recording_canvas.h"

namespace pellamar {
namespace {

using testing::RecordingCanvas;
using Ends = std::array<long, 4>;

constexpr Colour kGreen = 0x008000, kBlue = 0x800000;

// A line's ends to the nearest twip: X1, Y1, X2, Y2.
Ends EndsOf(const PoolLine& l) {
  return {std::lround(l.X1), std::lround(l.Y1), std::lround(l.X2), std::lround(l.Y2)};
}

// A printed text and where it starts, to the nearest twip: "text@x,y".
std::string Shown(const RecordingCanvas::Text& t) {
  return t.text + "@" + std::to_string(std::lround(t.x)) + "," + std::to_string(std::lround(t.y));
}

// A map of `twips_per_deg` twips per degree both ways, its centre at (xc, yc).
MapState Map(double twips_per_deg, float xc, float yc) {
  const auto scale = static_cast<float>(twips_per_deg / 60.0);
  return {.Pas_Inter = scale, .PasLong = scale, .Xc = xc, .Yc = yc};
}
// The curve's tests use 100 twips per degree, centred on 0°, 0° at (2000,
// 1000) in a picture 4000 x 2000: x(λ) = 2000 + 100·λ, y(φ) = 1000 − 100·φ.
constexpr double kH = 2000;

LinePools StartedPools(const OverlayColours& colours = {}, double width = 4000) {
  LinePools pools = DesignedLinePools();
  InitLinePools(pools, colours, width);
  return pools;
}

// Catches a wrong pen, width or style, element 0 not recoloured, an
// off-by-one in the elements created or shown, a pool starting on the map.
TEST(LinePoolTest, CreatedElementsCopyElementZeroStartOffThePictureAndAreHiddenAndRecoloured) {
  const OverlayColours colours{Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9)};
  LinePools pools = StartedPools(colours);
  ASSERT_EQ(std::tuple(pools.L.size(), pools.N.size(), pools.P.size()), std::tuple(361u, 361u, 19u));
  for (std::size_t i = 0; i < 361; ++i) {
    SCOPED_TRACE(i);
    const PoolLine &l = pools.L[i], &n = pools.N[i];
    EXPECT_EQ(std::tuple(l.visible, l.style, l.width, l.pen, l.colour),
              std::tuple(true, LineStyle::Solid, 2, PenMode::Copy, colours.curve));
    EXPECT_EQ(std::tuple(n.visible, n.style, n.width, n.pen, n.colour),
              std::tuple(i > 0, LineStyle::Solid, 1, PenMode::Mask, colours.night));
    // Shown, but left of or above the picture until the first drawing.
    EXPECT_TRUE(l.X1 < 0 && l.X2 < 0 && n.Y1 < 0 && n.Y2 < 0);
  }
  for (std::size_t i = 0; i < 19; ++i) {
    SCOPED_TRACE(i);
    const PoolLine& p = pools.P[i];
    // The parallels and the meridian are shown; the ticks wait for the
    // graticule, in element 0's designed green.
    EXPECT_EQ(std::tuple(p.visible, p.style, p.width, p.pen, p.colour),
              std::tuple(i <= 5, LineStyle::Dotted, 1, PenMode::Mask, i <= 5 ? colours.parallels : 0x008000));
    EXPECT_EQ(EndsOf(p), (Ends{0, -300, 4000, -300}));
  }

  // Catches a pool not hidden or recoloured, the curve colour given to the
  // night, the parallels hidden by the rebuild or left visible when hidden.
  HideDaylightPools(pools);
  RecolourDaylightPools(pools, {Rgb(10, 20, 30), Rgb(40, 50, 60), 0});
  for (std::size_t i = 0; i < 361; ++i)
    EXPECT_EQ(std::tuple(pools.L[i].visible, pools.L[i].colour, pools.N[i].visible, pools.N[i].colour),
              std::tuple(false, Rgb(10, 20, 30), false, Rgb(40, 50, 60))) << i;
  EXPECT_TRUE(pools.P[5].visible);
  const std::pair<Colour, bool> cases[] = {{kHiddenColour, false}, {0, true}};
  for (const auto& [colour, visible] : cases) {
    RecolourParallelPool(pools, colour);
    for (const auto& p : pools.P) EXPECT_EQ(std::tuple(p.colour, p.visible), std::tuple(colour, visible));
  }
}

// Catches < for <= at either bound, the low and high texts swapped, a bound
// rewritten.
TEST(DateBoxTest, UnusableDatesAreCorrected) {
  // Day, month, then the day and month after correction.
  const std::array<const char*, 4> cases[] = {
      {"0", "13", "1", "12"},         {"45", "6", "31", "6"},         {"abc", "", "1", "1"},
      {"31.5", "12.5", "31", "12"},   {"0.99", "0.5", "1", "1"},      {"-3", "12.01", "1", "12"},
      {"31.0", "1.0", "31.0", "1.0"}, {"1.0", "12.0", "1.0", "12.0"}, {" 2 5", "1 1", " 2 5", "1 1"},
  };
  for (const auto& [day, month, day_after, month_after] : cases) {
    const DateBoxTexts after = CorrectDateBoxes({day, month});
    EXPECT_EQ(std::tuple(after.day, after.month), std::tuple(day_after, month_after)) << day << " / " << month;
  }
}

// A boundary table: latitude 10 on the eastern half, −20 on the western.
std::array<float, kDaylightLines> StepTable() {
  std::array<float, kDaylightLines> t{};
  for (std::size_t j = 0; j < kDaylightLines; ++j) t[j] = j < 180 ? 10.0f : -20.0f;
  return t;
}

// A curve placed on the 100-twips-per-degree map.
class DaylightCurveTest : public ::testing::Test {
 protected:
  void Place(const std::array<float, kDaylightLines>& t, float declination = 5, bool night = true, Colour c = 0) {
    PlaceDaylightCurve(t, {&map, kH, declination, night, c}, curve, pools);
  }
  MapState map = Map(100, 2000, 1000);
  LinePools pools = StartedPools();
  DaylightCurve curve;
};

// Catches east/west reversed, a segment ending on its own latitude, the stub
// on the wrong side, the night colour not set, the scales swapped, y flipped.
TEST_F(DaylightCurveTest, SegmentsJoinTheBoundaryPointsFromEastToWest) {
  Place(StepTable(), 5, true, Rgb(1, 2, 3));
  EXPECT_EQ(EndsOf(pools.L[0]), (Ends{20000, 0, 19900, 0}));  // 180° E to 179° E at 10° N
  EXPECT_EQ(EndsOf(pools.L[179]), (Ends{2100, 0, 2000, 3000}));  // 1° E at 10° N to 0° at 20° S
  EXPECT_EQ(EndsOf(pools.L[180]), (Ends{2000, 3000, 1900, 3000}));
  EXPECT_EQ(EndsOf(pools.L[360]), (Ends{-16000, 3000, -16100, 3000}));  // the stub west of 180° W
  // Each night line stands on the start of its segment.
  for (std::size_t i = 0; i < kDaylightLines; ++i) {
    const PoolLine &n = pools.N[i], &l = pools.L[i];
    EXPECT_EQ(std::tuple(n.X1, n.X2, n.visible), std::tuple(l.X1, l.X1, true));
  }
  EXPECT_EQ(std::tuple(pools.N[0].colour, pools.N[360].colour), std::tuple(Rgb(1, 2, 3), Rgb(1, 2, 3)));

  // Latitudes follow Pas_Inter, longitudes PasLong: half the vertical scale
  // puts 20° S at 1000 + 50·20. With the night zone off the night lines are
  // neither moved nor recoloured.
  map.Pas_Inter = 50.0f / 60.0f;
  const LinePools before = pools;
  Place(StepTable(), 5, false);
  EXPECT_EQ(EndsOf(pools.L[179]), (Ends{2100, 500, 2000, 2000}));
  for (std::size_t i : {0u, 179u, 360u}) {
    EXPECT_EQ(std::tuple(EndsOf(pools.N[i]), pools.N[i].colour), std::tuple(EndsOf(before.N[i]), before.N[i].colour));
  }
}

// Catches > for >= on the declination and a dropped or wrong cut of the start.
TEST_F(DaylightCurveTest, NightLinesRunToTheEdgeInThePolarNightAndAreCutToTheMap) {
  // y = 1000 − 100·φ: 5° → 500, −15° → 2500 (below the bottom, cut to it),
  // 25° → −1500 (above the top by less than a map height, kept), 35° →
  // −2500 (more than a map height above, moved to the top edge).
  std::array<float, kDaylightLines> t{};
  t.fill(5.0f);
  t[10] = t[360] = -15.0f;
  t[11] = 25.0f;
  t[12] = 35.0f;
  const std::pair<float, double> cases[] = {{0.5f, kH}, {0.0f, 0.0}, {-0.5f, 0.0}};
  for (const auto& [declination, edge] : cases) {
    SCOPED_TRACE(declination);
    pools = StartedPools();
    curve = {};
    Place(t, declination);
    EXPECT_EQ(std::tuple(curve.NightEdge, pools.N[0].Y2, pools.N[360].Y2), std::tuple(edge, edge, edge));
    const auto& N = pools.N;
    EXPECT_EQ((std::array{std::lround(N[0].Y1), std::lround(N[10].Y1), std::lround(N[11].Y1), std::lround(N[12].Y1),
                          std::lround(N[360].Y1)}),
              (std::array{500L, 2000L, -1500L, 0L, 2000L}));
    // The curve itself is not cut.
    EXPECT_EQ(std::lround(pools.L[12].Y1), -2500);
  }
}

// Catches the west neighbour preferred, no wrap round 180°, entry 360 not
// read for entry 0, and a spike drawn where the boundary is missing.
TEST_F(DaylightCurveTest, AMeridianWithoutBoundaryTakesItsNearestNeighbours) {
  std::array<float, kDaylightLines> t{};
  t.fill(-30.0f);
  t[4] = 20.0f, t[5] = kNoBoundary, t[6] = 30.0f;  // a tie: the eastern (lower) one
  t[9] = 15.0f, t[10] = t[11] = t[12] = t[13] = kNoBoundary, t[14] = 40.0f;
  t[0] = t[360] = kNoBoundary, t[359] = 7.0f, t[1] = 9.0f;  // 180°: round the globe
  const auto drawn = DrawnBoundary(t);
  const std::array<float, 8> want{20, 15, 15, 40, 40, 7, 7, -30};
  EXPECT_EQ((std::array{drawn[5], drawn[10], drawn[11], drawn[12], drawn[13], drawn[0], drawn[360], drawn[100]}),
            want);
  // The 180th meridian known only as entry 360 still lends its latitude.
  std::array<float, kDaylightLines> east_end{};
  east_end.fill(-30.0f);
  east_end[0] = east_end[1] = kNoBoundary;
  east_end[360] = 12.0f;
  EXPECT_EQ(DrawnBoundary(east_end)[1], 12.0f);

  // No spike above the pole: the segment and the night line take 20°.
  Place(t);
  EXPECT_EQ((std::array{std::lround(pools.L[4].Y2), std::lround(pools.L[5].Y1), std::lround(pools.N[5].Y1)}),
            (std::array{-1000L, -1000L, -1000L}));
}

// Catches the position tables refilled on every placing or never refilled,
// and a slide in the wrong direction or moving the night lines elsewhere.
TEST_F(DaylightCurveTest, ThePositionTablesAreRefilledOnlyAfterBeingEmptiedAndSlide) {
  Place(StepTable());
  map.Xc = 2500;  // the view moved; the tables are not emptied
  Place(StepTable());
  EXPECT_EQ(std::lround(pools.L[0].X1), 20500);
  EXPECT_EQ(std::tuple(std::lround(curve.XCourbe1[0]), std::lround(curve.XCourbe2[360])), std::tuple(20000, -16100));
  EmptyCurveTables(curve);
  Place(StepTable());
  EXPECT_EQ(std::tuple(std::lround(curve.XCourbe1[0]), std::lround(curve.XCourbe2[360])), std::tuple(20500, -15600));

  SlideDaylight(curve, pools, 300);
  EXPECT_EQ(std::lround(curve.XCourbe1[0]), 20200);
  EXPECT_EQ(EndsOf(pools.L[360]), (Ends{-15800, 3000, -15900, 3000}));
  EXPECT_EQ(EndsOf(pools.N[360]), (Ends{-15800, 2000, -15800, 2000}));
}

// Records the progress calls of a redraw.
class RecordingProgress final : public DaylightProgress {
 public:
  void Clear() override { calls.push_back('C'); }
  void Step() override { calls.push_back('S'); }
  std::string calls;
};

// Catches a step of the redraw left out or reordered, a wrong step count, the
// scan direction not kept for the sampling.
TEST(DaylightRedrawTest, StepsTheProgressNineTimesWhileSamplingEveryWholeMeridian) {
  // The whole height of the world; Xc stale: the redraw puts it back in the middle.
  MapState map{.ZOOMc = 10800, .Xc = 1, .Yc = 3000};
  LinePools pools = StartedPools();
  DaylightCurve curve;
  curve.XCourbe1.fill(123);  // stale positions of an older drawing
  RecordingProgress progress;
  RedrawDaylight({.Delta = 0.5}, {true, 0, 12000, 6000}, map, curve, pools, progress);
  // Emptied, stepped once, then nine steps while sampling.
  EXPECT_EQ(progress.calls, "CSSSSSSSSSS");
  // Just north of the Equator the scan runs from the north pole down (south
  // of it, down to −1°, it would run up).
  EXPECT_EQ(std::tuple(curve.scan.ScanStart, curve.scan.ScanStep), std::tuple(90, -1.0f));
  EXPECT_FLOAT_EQ(map.Pas_Inter, 6000.0f / 10800.0f);
  EXPECT_EQ(map.Xc, 6000);
  // The tables hold this drawing: 180° E lies 180·60·0.5556 = 6000 twips east
  // of the middle.
  EXPECT_EQ(std::lround(curve.XCourbe1[0]), 12000);

  // Catches the scan from the wrong pole, a meridian skipped, a wrong step rate.
  // 21 June 2007, 12:00 UT: declination 23.438; the Sun stands near the
  // Greenwich meridian. On it, the Sun is just below the horizon at 67° S
  // (h = 90 − 23.438 − 67 = −0.438); on the 180th meridian at 66° N
  // (h = 66 + 23.438 − 90 = −0.562), scanning from the north pole down.
  const SunEphemeris eph = ComputeSunEphemeris({21, 6, 2007, 0.5, 0});
  std::array<float, kDaylightLines> lat{};
  lat.fill(-999);
  // At each step, how many meridians are sampled: one step per 45 degrees.
  std::vector<long> sampled;
  SampleBoundary(eph, ScanForDeclination(SunDeclination(eph)), lat,
                 [&] { sampled.push_back(std::count_if(lat.begin(), lat.end(), [](float v) { return v != -999; })); });
  EXPECT_EQ(sampled, (std::vector<long>{1, 46, 91, 136, 181, 226, 271, 316, 361}));
  EXPECT_EQ((std::array{lat[0], lat[180], lat[360]}), (std::array{66.0f, -67.0f, 66.0f}));
  // Every meridian has a boundary in northern summer.
  for (std::size_t j = 0; j < kDaylightLines; ++j) EXPECT_NE(lat[j], kNoBoundary) << j;
}

// Catches a wrong latitude or name order, the print position not returned to
// the edge, the meridian or its caption misplaced, the Equator not solid, E
// and W swapped, ticks mirrored, a tick not recoloured, Greenwich labelled,
// the hidden colour drawn as a colour.
TEST(ParallelsTest, ParallelsMeridianAndTicksStandAtTheirPlacesWithTheirNames) {
  const MapState map = Map(20, 3000, 1500);
  LinePools pools = StartedPools({}, 6000);
  RecordingCanvas picture(6000, 3000);
  // The hidden colour draws nothing and moves no line.
  DrawParallels(0, 20, kHiddenColour, map, pools, picture);
  EXPECT_TRUE(picture.texts.empty());
  EXPECT_EQ(EndsOf(pools.P[5]), (Ends{0, -300, 6000, -300}));
  // Blue, not the pools' own green, so that a tick left uncoloured shows.
  DrawParallels(0, 20, kBlue, map, pools, picture);
  // y = 1500 − 20·φ; Greenwich 20° west of the centre: x = 3000 − 400.
  const char* names[] = {"Cercle polaire Arctique@10,169",   "Tropique du Cancer@0,1031",
                         "Equateur@0,1500",                  "Tropique du Capricorne@0,1969",
                         "Cercle polaire Antarctique@0,2831", "Méridien de@2150,20",
                         "Greenwich@2200,220"};
  // After the 7 names, one label per tick except Greenwich's.
  ASSERT_EQ(picture.texts.size(), 7u + 12u);
  for (std::size_t k = 0; k < 7; ++k) EXPECT_EQ(Shown(picture.texts[k]), names[k]);
  for (const auto& t : picture.texts) EXPECT_EQ(t.colour, kBlue) << t.text;
  const long ys[] = {169, 1031, 1500, 1969, 2831};
  for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(EndsOf(pools.P[k]), (Ends{0, ys[k], 6000, ys[k]})) << k;
  EXPECT_EQ(EndsOf(pools.P[5]), (Ends{2600, 500, 2600, 3000}));
  for (int k = 0; k <= 5; ++k) EXPECT_EQ(pools.P[k].style, k == 2 ? LineStyle::Solid : LineStyle::Dotted) << k;
  // A resized map: the five parallels span its new width, the meridian stays.
  SpanParallels(pools, 8000);
  EXPECT_EQ((std::array{EndsOf(pools.P[0]), EndsOf(pools.P[4]), EndsOf(pools.P[5])}),
            (std::array{Ends{0, 169, 8000, 169}, Ends{0, 2831, 8000, 2831}, Ends{2600, 500, 2600, 3000}}));

  // Tick k on the west-positive longitude (k − 12)·30, 200 twips across the
  // Equator, labelled 300 twips left of it and 200 above its top.
  const std::tuple<std::size_t, long, const char*> ticks[] = {
      {6, 6200, "180° E@5900,1200"}, {7, 5600, "150° E@5300,1200"}, {11, 3200, "30° E@2900,1200"},
      {12, 2600, nullptr},           {13, 2000, "30° W@1700,1200"}, {18, -1000, "180° W@-1300,1200"},
  };
  for (const auto& [k, x, label] : ticks) {
    SCOPED_TRACE(k);
    const PoolLine& p = pools.P[k];
    EXPECT_EQ(std::tuple(EndsOf(p), p.style, p.visible),
              std::tuple(Ends{x, 1400, x, 1600}, LineStyle::Solid, label != nullptr));
    if (label == nullptr) continue;
    EXPECT_EQ(p.colour, kBlue);
    EXPECT_EQ(Shown(picture.texts[k < 12 ? k + 1 : k]), label);
  }
}

// Catches < for <= at the map edges and a wrong tick length at the bottom.
TEST(ParallelsTest, TicksStandOnTheBottomEdgeWhenTheEquatorIsOffTheMap) {
  // 60 twips per degree: the Equator lies at y = 1500 + 60·LATCENTD.
  const std::tuple<float, double, double> cases[] = {
      {25, 2700, 3000},         // exactly on the bottom edge
      {-25, 2700, 3000},        // exactly on the top edge
      {-24.99f, -99.4, 100.6},  // just inside: across it
  };
  for (const auto& [lat_centre, y1, y2] : cases) {
    SCOPED_TRACE(lat_centre);
    LinePools pools = StartedPools({}, 6000);
    RecordingCanvas picture(6000, 3000);
    DrawParallels(lat_centre, 0, kGreen, Map(60, 3000, 1500), pools, picture);
    for (std::size_t k = 6; k < 19; ++k)
      EXPECT_TRUE(std::abs(pools.P[k].Y1 - y1) < 0.1 && std::abs(pools.P[k].Y2 - y2) < 0.1) << k;
    EXPECT_NEAR(picture.texts.back().y, y1 - 200, 0.1);
  }
}

// A drawn line as its ends and colour.
std::array<double, 5> Drawn(const struct RecordingCanvas::Line& l) {
  return {l.x1, l.y1, l.x2, l.y2, double(l.colour)};
}

// Catches a wrong kilometres-per-minute constant and a dropped guard on a
// zero, negative or NaN scale.
TEST(ScaleBarTest, TwipsPerHundredKilometresTheFactorAndTheDrawing) {
  // The whole height of the world (10,800 minutes) in 6000 twips:
  // Pas_Inter = 0.5556, U = 0.5556 / 1.852 · 100 = 30.0 twips per 100 km.
  EXPECT_NEAR(ComputeScaleBar(6000.0f / 10800.0f).U, 30.0, 0.01);
  EXPECT_NEAR(ComputeScaleBar(1.852f).U, 100.0, 1e-4);
  for (const float scale : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()}) {
    EXPECT_EQ(ComputeScaleBar(scale).U, 0);
  }
  // Catches < for <= at each threshold of the factor and of the tenths.
  const std::tuple<double, double, const char*, bool> cases[] = {
      {0, 10, "1000 km", false},      {599.9, 10, "1000 km", true},   {600, 1, "100 km", false},
      {2000, 1, "100 km", false},     {2000.5, 1, "100 km", true},    {15000, 1, "100 km", true},
      {15000.5, 0.1, "10 km", false}, {200000, 0.1, "10 km", true},   {200000.5, 0.01, "1 km", true},
  };
  for (const auto& [U, S, label, tenths] : cases) {
    SCOPED_TRACE(U);
    const ScaleBar bar = ScaleBarFor(U);
    EXPECT_EQ(std::tuple(bar.S, bar.Lb, bar.width, ScaleBarLabel(bar), bar.tenths),
              std::tuple(S, U * S, U * S + 1000, std::string(label), tenths));
  }

  // Catches the old bar not cleared, a tenth missing, a tick in the wrong
  // colour or length, the label misplaced.
  constexpr double kRed = 0x0000FF, kDarkGreen = 0x004000;
  RecordingCanvas picture(5000, 500);
  picture.Line(0, 0, 1, 1, 0);               // an older bar
  DrawScaleBar(ScaleBarFor(3000), picture);  // S = 1, Lb = 3000
  EXPECT_EQ(picture.clears, 1);
  std::vector<std::array<double, 5>> want = {{100, 50, 100, 150, kRed}, {3100, 50, 3100, 150, kRed}};
  for (int j = 1; j <= 9; ++j) want.push_back({100.0 + j * 300, 50, 100.0 + j * 300, 100, 0xFF0000});
  want.push_back({1600, 50, 1600, 100, kDarkGreen});
  want.push_back({100, 100, 3100, 100, kRed});
  std::vector<std::array<double, 5>> drawn;
  for (const auto& l : picture.lines) drawn.push_back(Drawn(l));
  EXPECT_EQ(drawn, want);
  ASSERT_EQ(picture.texts.size(), 1u);
  EXPECT_EQ(Shown(picture.texts[0]), "100 km@3300,100");
  EXPECT_EQ(picture.texts[0].colour, 0u);

  // A short bar: no tenths, the middle tick alone.
  RecordingCanvas small(2000, 500);
  DrawScaleBar(ScaleBarFor(30), small);
  ASSERT_EQ(small.lines.size(), 4u);
  EXPECT_EQ(Drawn(small.lines[2]), (std::array<double, 5>{250, 50, 250, 100, kDarkGreen}));
  EXPECT_EQ(Shown(small.texts[0]), "1000 km@600,100");
}

}  // namespace
}  // namespace pellamar
