#include "places/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace pellamar {
namespace {

// Fault: a byte of the code page lost in a round trip.
TEST(Cp1252Test, EveryByteRoundTrips) {
  int checked = 0;
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte);
    ++checked;
  }
  EXPECT_EQ(checked, 256);
}

// Faults: the 0x80-0x9F block taken as Latin-1.
TEST(Cp1252Test, KnownCharacters) {
  // Code page chart: E9 é, 80 €, 8C Œ, 9C œ, 92 ’, 9F Ÿ, A0 no-break space.
  const std::pair<std::string, std::string> cases[] = {
      {"; Villes d\xE9" "finies", "; Villes définies"},
      {"\x80", "€"}, {"\x8C\x9C", "Œœ"}, {"\x92", "’"}, {"\x9F", "Ÿ"},
      {"\xA0", "\u00A0"}, {"Bogot\xE1", "Bogotá"}, {"\xC7" "a", "Ça"},
  };
  for (const auto& [bytes, utf8] : cases) {
    SCOPED_TRACE(utf8);
    EXPECT_EQ(Cp1252ToUtf8(bytes), utf8);
    EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
  }
}

// Faults: an unknown character or broken UTF-8 written as "?".
TEST(Cp1252Test, RefusesWhatTheCodePageLacks) {
  // Ł (U+0141), a CJK character, an emoji, and broken UTF-8.
  for (const char* text : {"Łódź", "東京", "😀", "\xC3", "a\xE9z", "\x80"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(Utf8ToCp1252(text).has_value());
  }
}

// Faults: accented capitals not lowered; × and ß changed.
TEST(Cp1252Test, LowerCaseKeepsAccents) {
  EXPECT_EQ(Cp1252Lower("PARIS \xC9vry \x8A\x8C\x8E\x9F \xD7\xDE\xDF 9 3"),
            "paris \xE9vry \x9A\x9C\x9E\xFF \xD7\xFE\xDF 9 3");
}

}  // namespace
}  // namespace pellamar
