#include "shell/command_line.h"

#include <gtest/gtest.h>

#include "shell/startup.h"

namespace pellamar {
namespace {

TEST(CommandLineTest, SnapshotWithClockOptions) {
  const auto p = ParseCommandLine({"--snapshot", "out.png", "--size", "800x600", "--date", "2024-02-29",
                                   "--time", "23:30:15", "--tz", "-5"});
  ASSERT_TRUE(p.options) << p.error;
  EXPECT_EQ(*p.options->snapshot_path, "out.png");
  EXPECT_EQ(p.options->snapshot_width, 800);
  EXPECT_EQ(p.options->snapshot_height, 600);
  EXPECT_EQ(p.options->date->year, 2024);
  EXPECT_EQ(p.options->date->month, 2);
  EXPECT_EQ(p.options->date->day, 29);
  EXPECT_EQ(*p.options->seconds_of_day, 23 * 3600 + 30 * 60 + 15);
  EXPECT_EQ(*p.options->utc_offset_hours, -5);
}

TEST(CommandLineTest, DefaultsAndShortForms) {
  const auto p = ParseCommandLine({"--snapshot", "a.png", "--time", "12:00", "--tz", "5.75", "--utc", "--precise",
                                   "--readout", "48.85,2.35"});
  ASSERT_TRUE(p.options) << p.error;
  EXPECT_EQ(p.options->snapshot_width, 1920);
  EXPECT_EQ(p.options->snapshot_height, 1080);
  EXPECT_EQ(*p.options->seconds_of_day, 43200);
  EXPECT_EQ(*p.options->utc_offset_hours, 5.75);
  EXPECT_TRUE(p.options->utc);
  EXPECT_TRUE(p.options->precise);
  EXPECT_EQ(*p.options->readout, "48.85,2.35");
  EXPECT_FALSE(p.options->qra);
  EXPECT_TRUE(ParseCommandLine({"--readout", "0,0", "--qra"}).options->qra);
}

TEST(ShiftUtc, TheInstantSeenInAnotherZone) {
  struct Case {
    CivilDate utc;
    int utc_seconds;
    double offset;
    CivilDate date;
    int seconds;
  };
  const Case cases[] = {
      {{2026, 6, 21}, 12 * 3600, -5, {2026, 6, 21}, 7 * 3600},
      {{2026, 6, 21}, 12 * 3600, 5.75, {2026, 6, 21}, 17 * 3600 + 45 * 60},
      // Back across a year's first day, and forward across a leap day.
      {{2027, 1, 1}, 2 * 3600, -5, {2026, 12, 31}, 21 * 3600},
      {{2024, 2, 28}, 23 * 3600, 2, {2024, 2, 29}, 3600},
      {{2023, 2, 28}, 23 * 3600, 2, {2023, 3, 1}, 3600},
      {{2026, 3, 31}, 20 * 3600, 14, {2026, 4, 1}, 10 * 3600},
      {{2026, 5, 1}, 0, -14, {2026, 4, 30}, 10 * 3600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.offset);
    const CivilTime t = ShiftUtc(c.utc, c.utc_seconds, c.offset);
    EXPECT_EQ(t.date.year, c.date.year);
    EXPECT_EQ(t.date.month, c.date.month);
    EXPECT_EQ(t.date.day, c.date.day);
    EXPECT_EQ(t.seconds_of_day, c.seconds);
  }
}

TEST(CommandLineTest, MalformedArgumentsAreRefusedWithAMessage) {
  const std::vector<std::vector<std::string>> bad = {
      {"--snapshot"},           {"--size", "1920"},        {"--size", "10x10"},
      {"--date", "2023-02-29"}, {"--date", "2024-13-01"},  {"--date", "24-01-01"},
      {"--time", "24:00"},      {"--time", "12:60"},       {"--time", "1:00"},
      {"--tz", "abc"},          {"--tz", "15"},            {"--tz", "1e1"},
      {"--readout"},            {"--frobnicate"},
  };
  for (const auto& args : bad) {
    SCOPED_TRACE(args[0] + (args.size() > 1 ? " " + args[1] : ""));
    const auto p = ParseCommandLine(args);
    EXPECT_FALSE(p.options);
    EXPECT_FALSE(p.error.empty());
  }
}

TEST(ZoneTextTest, ShortestTextWithAtMostTwoDecimals) {
  const struct { double hours; const char* text; } cases[] = {
      {2, "2"}, {-5, "-5"}, {5.75, "5.75"}, {5.5, "5.5"}, {-3.5, "-3.5"},
      {0, "0"}, {-0.0, "0"}, {12.75, "12.75"}, {1.0 / 3, "0.33"}, {-0.001, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hours);
    EXPECT_EQ(ZoneText(c.hours), c.text);
  }
}

}  // namespace
}  // namespace pellamar
