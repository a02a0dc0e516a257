#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "map/map_state.h"

namespace pellamar {

// The editor's input fields as the user typed them (UTF-8).
struct UserCityInput {
  std::string name;
  std::string lat_degrees, lat_minutes;
  bool north = true;  // "Nord" selected, else "Sud"
  std::string lon_degrees, lon_minutes;
  bool east = true;   // "Est" selected, else "Ouest"
};

// The outcome of "Ajouter": the file line (Windows-1252 bytes), or why the
// input is refused. An empty name is refused with no message (a beep alone).
struct UserCityLine {
  std::optional<std::string> line;
  std::string refusal;  // short French message; empty for an empty name
};

// Builds a user line "DD.mmm DDD.mmm 9 3 Name": whole degrees written on at
// least 2 and 3 digits, then the minutes as thousandths of a degree on at
// least 3 digits, "-" for the south and for the EAST (the file is west
// positive). Example: Paris, 48°51' N, 2°21' E gives
// "48.850 -002.350 9 3 Paris". Degrees must be whole numbers 0-90 and 0-180,
// minutes a number 0 <= m < 60 ("." or "," as decimal point; empty reads 0),
// and the place within ±90° and ±180°. The name, trimmed, must not be empty,
// hold ";" or a control character, or a character Windows-1252 lacks.
[[nodiscard]] UserCityLine FormatUserCity(const UserCityInput& input);

// What the editor's fields show for a place: whole degrees, whole minutes and
// the hemispheres.
struct UserCityFields {
  int lat_degrees = 0, lat_minutes = 0;
  bool north = true;
  int lon_degrees = 0, lon_minutes = 0;
  bool east = true;
  std::string name;  // UTF-8
};

// The fields of a user line, minutes rounded to the nearest whole minute
// (60 carried into the degree): "48.850 -002.350 9 3 Paris" gives 48 51 Nord,
// 2 21 Est. North when the latitude is above 0, east when the west-positive
// longitude is below 0. Nothing when the line cannot be split.
[[nodiscard]] std::optional<UserCityFields> FieldsOfUserLine(std::string_view line);

// The fields for a place clicked on the map, clamped to ±90° and ±180°, with
// the minutes truncated (any clicked point is arbitrary). Exactly 0 counts as
// south or west.
[[nodiscard]] UserCityFields FieldsOfClickedPlace(const GeoPoint& place);

// The editor's list: every line after the user section header that is
// longer than one character once trimmed, with its name (the whole line
// when it cannot be split, so that the user can still see and delete it).
struct UserCityEntry {
  std::string line;  // Windows-1252
  std::string name;  // Windows-1252
};
[[nodiscard]] std::vector<UserCityEntry> LoadUserCities(const std::vector<std::string_view>& lines);

// The new file after a save: the old file's bytes up to and including the
// user section header, kept byte for byte; without a header, the whole old
// file followed by " ", "; " and the header. Then "; " and the user lines.
// The lines the program adds end in CR LF.
[[nodiscard]] std::string SavedCityFile(std::string_view old_bytes, const std::vector<std::string>& user_lines);

// The save's failure message (title kSaveErrorTitle).
inline constexpr std::string_view kSaveError =
    "Erreur à l'accès au fichier ''Villes.txt'', vérifiez qu'il existe et qu'il n'est pas en lecture seule.";
inline constexpr std::string_view kSaveErrorTitle = "Erreur";

}  // namespace pellamar
