#include "solar/date_inputs.h"

#include <gtest/gtest.h>

#include <string>

namespace pellamar {
namespace {

TEST(StepDateBoxes, DayStopsAtOneDownAndWrapsUpMonthWrapsBothWays) {
  struct Case {
    int index;
    const char* day;
    const char* month;
    const char* new_day;
    const char* new_month;
  };
  const Case cases[] = {
      {0, "1", "5", "1", "5"},     // stays 1
      {0, "2", "5", "1", "5"},
      {0, "31", "5", "30", "5"},
      {1, "30", "5", "31", "5"},
      {1, "31", "5", "1", "5"},    // wraps
      {1, "", "5", "1", "5"},      // an empty box reads 0
      {2, "15", "1", "15", "12"},  // wraps down
      {2, "15", "12", "15", "11"},
      {3, "15", "11", "15", "12"},
      {3, "15", "12", "15", "1"},  // wraps up
      {3, "15", " 1 1", "15", "12"},  // blanks are ignored: 11
      {1, "7.5", "3", "8.5", "3"},    // the shortest form of the number
      {5, "40", "13", "40", "13"},    // the change handlers' index: no box moves
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.index) + " " + c.day + "/" + c.month);
    const DateBoxes out = StepDateBoxes(c.index, {c.day, c.month});
    EXPECT_EQ(out.day, c.new_day);
    EXPECT_EQ(out.month, c.new_month);
  }
}

TEST(ReadZoneText, AcceptsFiniteZonesWithTheUsersSeparator) {
  using Kind = ZoneReading::Kind;
  struct Case {
    const char* text;
    char separator;
    Kind kind;
    float hours;
  };
  const Case cases[] = {
      {"-5", '.', Kind::Accepted, -5},
      {" +5.75 ", '.', Kind::Accepted, 5.75f},
      {"5,75", ',', Kind::Accepted, 5.75f},
      {"5.75", ',', Kind::PutBack, 0},  // not this user's separator
      {"14", '.', Kind::Accepted, 14},
      {"-14", '.', Kind::Accepted, -14},
      {"14.01", '.', Kind::PutBack, 0},
      {"-14.5", '.', Kind::PutBack, 0},
      {"-", '.', Kind::Typing, 0},
      {"", '.', Kind::PutBack, 0},
      {"+", '.', Kind::PutBack, 0},
      {".", '.', Kind::PutBack, 0},
      {"1e30", '.', Kind::PutBack, 0},
      {"nan", '.', Kind::PutBack, 0},
      {"inf", '.', Kind::PutBack, 0},
      {"2x", '.', Kind::PutBack, 0},
      {"1.2.3", '.', Kind::PutBack, 0},
      {"--5", '.', Kind::PutBack, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ZoneReading r = ReadZoneText(c.text, c.separator);
    EXPECT_EQ(r.kind, c.kind);
    if (c.kind == Kind::Accepted) EXPECT_FLOAT_EQ(r.hours, c.hours);
  }
}

TEST(ZoneBoxText, ShortestFormWithTheUsersSeparator) {
  EXPECT_EQ(ZoneBoxText(2, '.'), "2");
  EXPECT_EQ(ZoneBoxText(-5, ','), "-5");
  EXPECT_EQ(ZoneBoxText(5.75, ','), "5,75");
  EXPECT_EQ(ZoneBoxText(-3.5, '.'), "-3.5");
  EXPECT_EQ(ZoneBoxText(-0.001, '.'), "0");
}

}  // namespace
}  // namespace pellamar
