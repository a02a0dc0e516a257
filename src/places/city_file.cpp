#include "places/city_file.h"

#include <fstream>
#include <iterator>

#include "platform/leading_number.h"

namespace pellamar {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// The next field from `pos`: blanks before it are passed over; `pos` is left
// on the blank that ends it (or at the end of the line).
std::string_view NextField(std::string_view line, std::size_t& pos) {
  const std::size_t start = line.find_first_not_of(' ', pos);
  if (start == kNone) {
    pos = line.size();
    return {};
  }
  std::size_t end = line.find(' ', start);
  if (end == kNone) end = line.size();
  pos = end;
  return line.substr(start, end - start);
}

}  // namespace

std::string_view TrimBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == kNone) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

std::optional<CityRecord> ParseCityLine(std::string_view line) {
  std::size_t pos = 0;
  const std::string_view lat = NextField(line, pos);
  const std::string_view lon = NextField(line, pos);
  const std::string_view category = NextField(line, pos);
  if (lat.empty() || lon.empty() || category.size() != 1) return std::nullopt;
  if (category[0] < '0' || category[0] > '9') return std::nullopt;
  CityRecord record;
  record.latitude_deg = LeadingNumber(lat);
  record.lon_west_deg = LeadingNumber(lon);
  record.category = category[0];
  record.reserved = std::string(NextField(line, pos));
  // `pos` is on the blank after the reserved word: the name is what follows.
  if (pos < line.size()) {
    record.name = std::string(line.substr(pos + 1));
  } else {
    record.name = std::string(line);
  }
  return record;
}

CityLineKind ClassifyCityLine(std::string_view line) {
  if (TrimBlanks(line).empty()) return CityLineKind::Empty;
  if (line == kUserSectionHeader) return CityLineKind::UserSectionHeader;
  if (line.front() != ';') return CityLineKind::City;
  return TrimBlanks(line).size() > 1 ? CityLineKind::CountryHeading : CityLineKind::BlockEnd;
}

bool IsSkippedByCityReaders(std::string_view line) {
  return line.find(';') != kNone || TrimBlanks(line).empty();
}

std::optional<std::string> ReadCityFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::vector<std::string_view> SplitCityLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  lines.reserve(bytes.size() / 24 + 1);
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const std::size_t next = end == kNone ? bytes.size() : end + 1;
    if (end == kNone) end = bytes.size();
    std::size_t stop = end;
    if (stop > start && bytes[stop - 1] == '\r') --stop;
    lines.push_back(bytes.substr(start, stop - start));
    start = next;
  }
  return lines;
}

}  // namespace pellamar
