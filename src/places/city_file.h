#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pellamar {

// One city line of Villes.txt: "048.857 -002.351 0 0 Paris".
struct CityRecord {
  double latitude_deg = 0.0;  // north positive
  double lon_west_deg = 0.0;  // WEST positive (east negative), as the file keeps it
  char category = '0';        // drawing class '0'..'9'; '9' is a user city
  std::string reserved;       // one word no reader interprets
  std::string name;           // may hold blanks; Windows-1252 bytes
};

// Splits a city line by the one rule every reader shares (positions from 1):
// p1 = first blank; latitude = LeadingNumber of the first p1 characters;
// longitude = LeadingNumber of the p1 + 1 characters from position p1 (so a
// longitude longer than the latitude field plus one is cut: the file keeps
// the longitude at least as wide as the latitude); p3 = first blank at or
// after p1 + 4; category = character p3 + 1; p4 = first blank at or after
// p3 + 3; name = everything after p4, or the whole line when there is no
// such blank. Nothing when the line has no blank, no blank at or after
// p1 + 4, or a category that is not a digit. The line holds no line end.
[[nodiscard]] std::optional<CityRecord> ParseCityLine(std::string_view line);

enum class CityLineKind {
  Empty,              // length 0
  CountryHeading,     // ";" first, longer than one character once trimmed
  BlockEnd,           // ";" first, ";" alone once trimmed
  UserSectionHeader,  // exactly "; Villes définies" (also a country heading)
  City,               // anything else
};

// The kind of a line as every reader tells it. Blanks for trimming are
// spaces and tabs.
[[nodiscard]] CityLineKind ClassifyCityLine(std::string_view line);

// The user section's header line, in Windows-1252 ("é" is byte 0xE9).
inline constexpr std::string_view kUserSectionHeader = "; Villes d\xE9" "finies";

}  // namespace pellamar
