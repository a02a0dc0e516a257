// One line of the city file: split or refused, never a crash, and a split
// line always has a digit category and finite coordinates.
#include <cmath>

#include "fuzz_target.h"
#include "places/city_file.h"

namespace pellamar::fuzz {

void FuzzOne(std::string_view bytes) {
  // The readers hand over lines without their line end.
  const std::string_view line = bytes.substr(0, bytes.find('\n'));
  const auto record = ParseCityLine(line);
  if (record) {
    Require(record->category >= '0' && record->category <= '9');
    Require(std::isfinite(record->latitude_deg) && std::isfinite(record->lon_west_deg));
    Require(record->name.size() <= line.size());
    Require(line.find(' ') != std::string_view::npos);
  }
  const CityLineKind kind = ClassifyCityLine(line);
  // Every reader takes a line of blanks for an empty line.
  Require((kind == CityLineKind::Empty) == TrimBlanks(line).empty());
}

}  // namespace pellamar::fuzz
