#include "places/city_file.h"

#include "platform/leading_number.h"

namespace pellamar {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Text of `length` characters from 0-based `start`, shortened at the end of
// the line (a reader of fixed-width fields simply gets fewer characters).
std::string_view Clip(std::string_view line, std::size_t start, std::size_t length) {
  if (start >= line.size()) return {};
  return line.substr(start, length);
}

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == kNone) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

}  // namespace

std::optional<CityRecord> ParseCityLine(std::string_view line) {
  // 0-based indexes: b1 is position p1 − 1, and so on.
  const std::size_t b1 = line.find(' ');
  if (b1 == kNone) return std::nullopt;
  CityRecord record;
  record.latitude_deg = LeadingNumber(Clip(line, 0, b1 + 1));
  record.lon_west_deg = LeadingNumber(Clip(line, b1, b1 + 2));
  const std::size_t b3 = b1 + 4 <= line.size() ? line.find(' ', b1 + 4) : kNone;
  if (b3 == kNone || b3 + 1 >= line.size()) return std::nullopt;
  record.category = line[b3 + 1];
  if (record.category < '0' || record.category > '9') return std::nullopt;
  const std::size_t b4 = b3 + 3 <= line.size() ? line.find(' ', b3 + 3) : kNone;
  if (b4 == kNone) {
    record.reserved = std::string(Clip(line, b3 + 3, kNone));
    record.name = std::string(line);
  } else {
    record.reserved = std::string(line.substr(b3 + 3, b4 - (b3 + 3)));
    record.name = std::string(line.substr(b4 + 1));
  }
  return record;
}

CityLineKind ClassifyCityLine(std::string_view line) {
  if (line.empty()) return CityLineKind::Empty;
  if (line == kUserSectionHeader) return CityLineKind::UserSectionHeader;
  if (line.front() != ';') return CityLineKind::City;
  return Trim(line).size() > 1 ? CityLineKind::CountryHeading : CityLineKind::BlockEnd;
}

}  // namespace pellamar
