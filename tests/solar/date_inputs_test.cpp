#include "platform/leading_number.h"
#include "solar/date_inputs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "solar/refresh_tick.h"

namespace pellamar {
namespace {

// Faults: the day wrapping at 30 or not stopping at 1, the month not
// wrapping either way, blanks not ignored, another index moving a box.
TEST(StepDateBoxes, DayStopsAtOneDownAndWrapsUpMonthWrapsBothWays) {
  const struct { int index; const char *day, *month, *new_day, *new_month; } cases[] = {
      {0, "1", "5", "1", "5"},     {0, "31", "5", "30", "5"},   {1, "30", "5", "31", "5"},
      {1, "31", "5", "1", "5"},    {1, "", "5", "1", "5"},      {2, "15", "1", "15", "12"},
      {2, "15", "12", "15", "11"}, {3, "15", "12", "15", "1"},  {3, "15", " 1 1", "15", "12"},
      {1, "7.5", "3", "8.5", "3"}, {5, "40", "13", "40", "13"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.index << " " << c.day << "/" << c.month);
    const DateBoxes out = StepDateBoxes(c.index, {c.day, c.month});
    EXPECT_EQ(out.day, c.new_day);
    EXPECT_EQ(out.month, c.new_month);
  }
}

// Faults: ±14 refused or 14.01 accepted, the other separator accepted, the
// sign lost, a lone "-" put back while typing, exponents or "inf" read.
TEST(ReadZoneText, AcceptsFiniteZonesWithTheUsersSeparator) {
  using Kind = ZoneReading::Kind;
  const struct { const char* text; char separator; Kind kind; float hours; } cases[] = {
      {" -5 ", '.', Kind::Accepted, -5},    {"+5.75", '.', Kind::Accepted, 5.75f}, {"5,75", ',', Kind::Accepted, 5.75f},
      {"5.75", ',', Kind::PutBack, 0},      {"-14", '.', Kind::Accepted, -14},     {"14.01", '.', Kind::PutBack, 0},
      {"-", '.', Kind::Typing, 0},          {"", '.', Kind::PutBack, 0},           {".", '.', Kind::PutBack, 0},
      {"1e1", '.', Kind::PutBack, 0},       {"inf", '.', Kind::PutBack, 0},        {"1.2.3", '.', Kind::PutBack, 0},
      {"--5", '.', Kind::PutBack, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const ZoneReading r = ReadZoneText(c.text, c.separator);
    EXPECT_EQ(r.kind, c.kind);
    if (c.kind == Kind::Accepted) EXPECT_FLOAT_EQ(r.hours, c.hours);
  }
  EXPECT_EQ(ZoneBoxText(5.75, ','), "5,75");
  EXPECT_EQ(ZoneBoxText(-3.456, '.'), "-3.46");
  EXPECT_EQ(ZoneBoxText(-0.001, '.'), "0");
}

// With k = 10000 / ZOOMc the overlay slides once k·Occur reaches 30, and
// the map is rebuilt on tick 1001. Faults: > for >=, the rebuild a tick
// early, Occur not reset or not counted after a slide.
TEST(PlanTick, SlidePeriodFollowsTheZoomAndTheMapRebuildsAtTick1001) {
  const struct { double ZOOMc; int period; } cases[] = {
      {13885, 42},   // 0.7202·42 = 30.25, ·41 = 29.53
      {10000, 30},   // exactly 30 slides
      {-1, 42},      // no valid zoom: the whole world's
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ZOOMc);
    TickCounters counters;
    std::vector<int> slides, rebuilds;
    for (int tick = 1; tick <= 1001; ++tick) {
      const TickPlan plan = PlanTick(counters, c.ZOOMc);
      if (plan.slide) slides.push_back(tick);
      if (plan.rebuild) rebuilds.push_back(tick);
    }
    ASSERT_GE(slides.size(), 2u);
    EXPECT_EQ(slides[0], c.period + 1);
    EXPECT_EQ(slides[1] - slides[0], c.period);
    EXPECT_EQ(rebuilds, std::vector<int>{1001});
  }
  // The tooltip shows the counters before the tick: floor(0.72020·29) = 20.
  TickCounters counters{29, 511};
  EXPECT_EQ(PlanTick(counters, 13885).tooltip, "20/30 : 511/1000 ");
  TickCounters wide{32767, 3};  // past the 16-bit range at a very wide zoom
  EXPECT_EQ(PlanTick(wide, 20'000'000).tooltip, "16/30 : 3/1000 ");
  EXPECT_EQ(wide.Occur, 32768);
}

// PasLong 1: the world is 21600 twips wide. Faults: the whole width taken
// for half, > for >=, PasLong ignored.
TEST(SlideWouldLeaveTheWorld, OnlyAWrapAcrossTheMapIsRedrawn) {
  const struct { double old_Xpi, new_Xpi; float PasLong; bool redraw; } cases[] = {
      {5000, 4990, 1, false}, {10900, 100, 1, false}, {10901, 100, 1, true},
      {100, 10901, 1, true},  {0, 20000, 2, false},   {0, 20000, 0.5f, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.old_Xpi - c.new_Xpi);
    EXPECT_EQ(SlideWouldLeaveTheWorld(c.old_Xpi, c.new_Xpi, c.PasLong), c.redraw);
  }
}

TEST(LeadingNumberTest, LongestLeadingNumberWithBlanksIgnored) {
  const struct { const char* text; double value; } cases[] = {
      {"12", 12},          {"-12.5", -12.5},   {"+3", 3},         {".5", 0.5},
      {"5.", 5},           {"-.25", -0.25},    {"", 0},           {"abc", 0},
      {"-", 0},            {".", 0},           {"-2.35 1", -2.351},  // blanks anywhere are ignored
      {" 4 8 . 8 5 ", 48.85}, {"1.2.3", 1.2},  {"12abc", 12},     {"1e5", 1},
      {"--1", 0},          {"1-2", 1},         {"1+2", 1},         {"\t7\r\n", 7},    {"4567,8", 4567},
      {"0000000000000000000000000000000000000000000000000000000000000000000001", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value);
  }
}

}  // namespace
}  // namespace pellamar
