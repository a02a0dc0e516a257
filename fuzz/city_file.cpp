// The city file read and written back: every byte survives the
// Windows-1252 round trip, and a save keeps the user's cities and is stable
// (saving the saved file again with the same cities changes nothing).
#include <string>
#include <vector>

#include "fuzz_target.h"
#include "places/city_file.h"
#include "places/cp1252.h"
#include "windows/user_cities.h"

namespace pellamar::fuzz {
namespace {

std::vector<std::string> UserLines(std::string_view bytes) {
  std::vector<std::string> lines;
  for (const UserCityEntry& e : LoadUserCities(SplitCityLines(bytes))) lines.push_back(e.line);
  return lines;
}

}  // namespace

void FuzzOne(std::string_view bytes) {
  const std::optional<std::string> back = Utf8ToCp1252(Cp1252ToUtf8(bytes));
  Require(back.has_value() && *back == bytes);

  for (std::string_view line : SplitCityLines(bytes)) {
    Require(line.find('\n') == std::string_view::npos);
    (void)ParseCityLine(line);
  }
  const std::vector<std::string> cities = UserLines(bytes);
  const std::string saved = SavedCityFile(bytes, cities);
  Require(UserLines(saved) == cities);
  Require(SavedCityFile(saved, cities) == saved);
}

}  // namespace pellamar::fuzz
