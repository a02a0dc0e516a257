#include "platform/leading_number.h"

#include <gtest/gtest.h>

namespace pellamar {
namespace {

TEST(LeadingNumberTest, LongestLeadingNumberWithBlanksIgnored) {
  const struct { const char* text; double value; } cases[] = {
      {"12", 12},          {"-12.5", -12.5},   {"+3", 3},         {".5", 0.5},
      {"5.", 5},           {"-.25", -0.25},    {"", 0},           {"abc", 0},
      {"-", 0},            {".", 0},           {"-2.35 1", -2.351},  // blanks anywhere are ignored
      {" 4 8 . 8 5 ", 48.85}, {"1.2.3", 1.2},  {"12abc", 12},     {"1e5", 1},
      {"--1", 0},          {"1-2", 1},         {"\t7\r\n", 7},    {"4567,8", 4567},
      {"0000000000000000000000000000000000000000000000000000000000000000000001", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value);
  }
}

}  // namespace
}  // namespace pellamar
