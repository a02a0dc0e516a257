#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellamar {

// One city line of Villes.txt: "048.857 -002.351 0 0 Paris".
struct CityRecord {
  double latitude_deg = 0.0;  // north positive
  double lon_west_deg = 0.0;  // WEST positive (east negative), as the file keeps it
  char category = '0';        // drawing class '0'..'9'; '9' is a user city
  std::string reserved;       // one word no reader interprets
  std::string name;           // may hold blanks; Windows-1252 bytes
};

// Splits a city line on its blanks: latitude, longitude, category, reserved
// word, then the name, which is the rest of the line after the blank that
// ends the reserved word (its blanks kept). Blanks before the first field
// and runs of blanks between the first four fields count as one separator.
// Each coordinate is the LeadingNumber of its field, so widths do not
// matter. When no blank follows the reserved word the name is the whole
// line. Nothing when a field before the reserved word is missing or the
// category is not one digit. The line holds no line end.
[[nodiscard]] std::optional<CityRecord> ParseCityLine(std::string_view line);

enum class CityLineKind {
  Empty,              // nothing but blanks
  CountryHeading,     // ";" first, longer than one character once trimmed
  BlockEnd,           // ";" first, ";" alone once trimmed
  UserSectionHeader,  // exactly "; Villes définies" (also a country heading)
  City,               // anything else
};

// The kind of a line as every reader tells it. Blanks for trimming are
// spaces and tabs; a line of blanks alone is an empty line.
[[nodiscard]] CityLineKind ClassifyCityLine(std::string_view line);

// True for a line that the drawing and the name search skip: empty once
// trimmed, or holding ";" anywhere.
[[nodiscard]] bool IsSkippedByCityReaders(std::string_view line);

// The line without blanks (spaces, tabs) at either end.
[[nodiscard]] std::string_view TrimBlanks(std::string_view line);

// The user section's header line, in Windows-1252 ("é" is byte 0xE9).
inline constexpr std::string_view kUserSectionHeader = "; Villes d\xE9" "finies";

// The message of every reader that cannot open or read the file.
inline constexpr std::string_view kCityFileReadError = "Erreur à l'ouverture du fichier: Villes";

// The whole file as bytes, untouched; nothing when it cannot be opened or
// read to its end.
[[nodiscard]] std::optional<std::string> ReadCityFile(const std::filesystem::path& path);

// The lines of the file's bytes, without their ends: a line ends at LF, and
// a CR just before the LF is dropped too. A last line without an end is
// kept; the end of the last line opens no further line.
[[nodiscard]] std::vector<std::string_view> SplitCityLines(std::string_view bytes);

}  // namespace pellamar
