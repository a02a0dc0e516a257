#include "solar/refresh_tick.h"

#include <gtest/gtest.h>

#include <vector>

namespace pellamar {
namespace {

// Runs `ticks` ticks from fresh counters; returns the 1-based ticks that slid
// and those that rebuilt.
struct TickRun {
  std::vector<int> slides;
  std::vector<int> rebuilds;
};
TickRun RunTicks(double ZOOMc, int ticks) {
  TickCounters counters;
  TickRun run;
  for (int tick = 1; tick <= ticks; ++tick) {
    const TickPlan plan = PlanTick(counters, ZOOMc);
    if (plan.slide) run.slides.push_back(tick);
    if (plan.rebuild) run.rebuilds.push_back(tick);
  }
  return run;
}

TEST(PlanTick, SlidePeriodFollowsTheZoomAndTheMapRebuildsAtTick1001) {
  struct Case {
    double ZOOMc;
    int period;  // ticks between two slides: the least n with 10000/ZOOMc·n >= 30
  };
  const Case cases[] = {
      {13885, 42},    // 0.7202·42 = 30.25, ·41 = 29.53: about 34 s
      {6942.5, 21},   // one step closer: 1.4404·21 = 30.25, ·20 = 28.8
      {10000, 30},    // k = 1: exactly 30 slides (>=, not >)
      {1000, 3},      // k = 10
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ZOOMc);
    const TickRun run = RunTicks(c.ZOOMc, 1001);
    ASSERT_GE(run.slides.size(), 2u);
    // The first slide comes when Occur, counting from 0, reaches the period.
    EXPECT_EQ(run.slides[0], c.period + 1);
    for (std::size_t i = 1; i < run.slides.size(); ++i) {
      EXPECT_EQ(run.slides[i] - run.slides[i - 1], c.period);
    }
    EXPECT_EQ(run.rebuilds, std::vector<int>{1001});
  }
}

TEST(PlanTick, TooltipShowsProgressBeforeTheTick) {
  TickCounters counters{29, 511};
  // floor(0.72020·29) = 20; the counters before this tick.
  EXPECT_EQ(PlanTick(counters, 13885).tooltip, "20/30 : 511/1000 ");
  EXPECT_EQ(counters.Occur, 30);
  EXPECT_EQ(counters.Occur2, 512);
  TickCounters fresh;
  EXPECT_EQ(PlanTick(fresh, 13885).tooltip, "0/30 : 0/1000 ");
  // A slide resets Occur before counting this tick.
  TickCounters due{42, 100};
  const TickPlan slid = PlanTick(due, 13885);
  EXPECT_TRUE(slid.slide);
  EXPECT_FALSE(slid.rebuild);
  EXPECT_EQ(slid.tooltip, "30/30 : 100/1000 ");
  EXPECT_EQ(due.Occur, 1);
  EXPECT_EQ(due.Occur2, 101);
}

TEST(PlanTick, CountersGoPastThe16BitRange) {
  // At a very wide zoom the slide waits for more than 32767 ticks.
  TickCounters counters{32767, 3};
  const TickPlan plan = PlanTick(counters, 20'000'000);
  EXPECT_FALSE(plan.slide);
  EXPECT_EQ(counters.Occur, 32768);
  EXPECT_EQ(plan.tooltip, "16/30 : 3/1000 ");  // floor(0.0005·32767)
}

TEST(SlideWouldLeaveTheWorld, OnlyAWrapAcrossTheMapIsRedrawn) {
  // PasLong 1: the world is 21600 twips wide, half of it 10800.
  struct Case {
    double old_Xpi, new_Xpi;
    bool redraw;
  };
  const Case cases[] = {
      {5000, 4990, false},      // the usual step westward
      {4990, 5000, false},
      {10900, 100, false},      // exactly half the world: still a slide
      {10901, 100, true},       // the marker wrapped from the east edge
      {100, 10901, true},       // and from the west edge
      {-3000, 18000, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.old_Xpi - c.new_Xpi);
    EXPECT_EQ(SlideWouldLeaveTheWorld(c.old_Xpi, c.new_Xpi, 1.0f), c.redraw);
  }
  // The width scales with PasLong: 20000 twips is less than half of 43200.
  EXPECT_FALSE(SlideWouldLeaveTheWorld(0, 20000, 2.0f));
  EXPECT_TRUE(SlideWouldLeaveTheWorld(0, 20000, 0.5f));
}

}  // namespace
}  // namespace pellamar
