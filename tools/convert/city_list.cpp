#include "convert/city_list.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>
#include <tuple>

#include "convert/cp1252.h"

namespace pellamar::tools {
namespace {

bool IsTown(std::string_view feature_code) {
  static constexpr std::string_view kNotTowns[] = {"PPLX", "PPLH", "PPLQ", "PPLW", "PPLCH"};
  return std::find(std::begin(kNotTowns), std::end(kNotTowns), feature_code) == std::end(kNotTowns);
}

// Windows-1252 text fit for a city or country line: no ";" (a line holding
// one is never drawn), no control characters, single blanks, trimmed.
std::string CleanName(std::string_view utf8) {
  const std::string raw = Utf8ToCp1252(utf8);
  std::string out;
  for (const char ch : raw) {
    char c = ch;
    if (c == ';') c = ',';
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F' || c == '\xA0') c = ' ';
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out.push_back(c);
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string IdText(std::int64_t id) {
  char buf[24];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, id);
  (void)ec;
  return std::string(buf, end);
}

}  // namespace

char CityCategory(bool national_capital, std::uint64_t population, std::string_view feature_code) {
  if (national_capital) return '0';
  if (population >= 5'000'000) return '1';
  if (population >= 1'000'000) return '2';
  if (population >= 500'000) return '4';
  if (population >= 250'000) return '5';
  if (population >= 100'000) return '6';
  if (feature_code == "PPLA") return '7';
  return '8';
}

std::string FormatThousandths(double value, int width) {
  const long long q = std::llround(value * 1000.0);
  const unsigned long long magnitude = q < 0 ? static_cast<unsigned long long>(-q) : static_cast<unsigned long long>(q);
  char digits[32];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, magnitude / 1000);
  (void)ec;
  std::string out;
  if (q < 0) out.push_back('-');
  const int used = static_cast<int>(out.size() + (end - digits)) + 4;
  if (width > used) out.append(static_cast<std::size_t>(width - used), '0');
  out.append(digits, end);
  out.push_back('.');
  const auto frac = static_cast<unsigned>(magnitude % 1000);
  out.push_back(static_cast<char>('0' + frac / 100));
  out.push_back(static_cast<char>('0' + frac / 10 % 10));
  out.push_back(static_cast<char>('0' + frac % 10));
  return out;
}

std::string FormatCityLine(double lat_deg, double lon_west_deg, char category, std::string_view reserved,
                           std::string_view name) {
  std::string line = FormatThousandths(lat_deg, 7);
  line.push_back(' ');
  line += FormatThousandths(lon_west_deg, 8);
  line.push_back(' ');
  line.push_back(category);
  line.push_back(' ');
  line += reserved;
  line.push_back(' ');
  line += name;
  return line;
}

std::vector<CountryBlock> SelectCities(const std::vector<PbfCity>& places,
                                       const std::map<std::string, std::string>& french_names,
                                       const std::map<std::string, std::string>& country_names,
                                       const CityRules& rules) {
  // Towns by country, largest first (ties by id, for a stable result).
  std::map<std::string, std::vector<const PbfCity*>> by_country;
  for (const PbfCity& place : places) {
    if (place.country.empty() || !IsTown(place.feature_code)) continue;
    by_country[place.country].push_back(&place);
  }
  std::vector<CountryBlock> blocks;
  for (auto& [code, towns] : by_country) {
    std::sort(towns.begin(), towns.end(), [](const PbfCity* a, const PbfCity* b) {
      return std::tie(b->population, a->geonames_id) < std::tie(a->population, b->geonames_id);
    });
    const auto hand_capital = rules.capitals.find(code);
    CountryBlock block;
    block.code = code;
    if (const auto it = country_names.find(code); it != country_names.end()) {
      block.name = CleanName(it->second);
    } else if (const auto hand = rules.country_names.find(code); hand != rules.country_names.end()) {
      block.name = CleanName(hand->second);
    } else {
      block.name = code;
    }
    for (std::size_t rank = 0; rank < towns.size(); ++rank) {
      const PbfCity& town = *towns[rank];
      const bool capital = town.feature_code == "PPLC" ||
                           (hand_capital != rules.capitals.end() && hand_capital->second == town.geonames_id);
      if (!capital && town.population < 100'000 && rank >= 3) continue;
      std::string name;
      if (const auto it = rules.names.find(town.geonames_id); it != rules.names.end()) {
        name = CleanName(it->second);
      } else if (const auto fr = french_names.find(IdText(town.geonames_id)); fr != french_names.end()) {
        name = CleanName(fr->second);
      }
      if (name.empty()) name = CleanName(town.name);
      if (name.empty()) continue;
      block.cities.push_back({town.geonames_id, town.lat_deg, -town.lon_east_deg,
                              CityCategory(capital, town.population, town.feature_code), town.population,
                              std::move(name)});
    }
    std::sort(block.cities.begin(), block.cities.end(), [](const CityEntry& a, const CityEntry& b) {
      const std::string fa = FoldForSorting(a.name);
      const std::string fb = FoldForSorting(b.name);
      return std::tie(fa, a.name, b.population, a.geonames_id) < std::tie(fb, b.name, a.population, b.geonames_id);
    });
    if (!block.cities.empty()) blocks.push_back(std::move(block));
  }
  std::sort(blocks.begin(), blocks.end(), [](const CountryBlock& a, const CountryBlock& b) {
    const std::string fa = FoldForSorting(a.name);
    const std::string fb = FoldForSorting(b.name);
    return std::tie(fa, a.name, a.code) < std::tie(fb, b.name, b.code);
  });
  return blocks;
}

std::string FormatCityFile(const std::vector<CountryBlock>& blocks) {
  std::string text;
  for (const CountryBlock& block : blocks) {
    text += "; " + block.name + "\r\n";
    for (const CityEntry& city : block.cities) {
      text += FormatCityLine(city.lat_deg, city.lon_west_deg, city.category, "0", city.name) + "\r\n";
    }
    text += "; \r\n";
  }
  text += " \r\n; \r\n; Villes d\xE9" "finies\r\n; \r\n";
  return text;
}

CityRules ShippedCityRules() {
  CityRules rules;
  // Countries whose capital GeoNames does not mark PPLC. Jerusalem: seat of
  // the Knesset and the government. Ramallah: seat of the Palestinian
  // Authority. Laâyoune: the territory's main town and administrative seat.
  // Tokelau (no capital: the seat rotates between the atolls) and
  // Antarctica have none.
  rules.capitals = {{"IL", 281184}, {"PS", 282239}, {"EH", 2462881}};
  // Names the French catalogue gives in an older form than today's usage.
  rules.names = {
      {1526273, "Astana"},            // renamed from Nur-Sultan in 2022
      {1838524, "Busan"},             // catalogue: Pusan
      {6691831, "Cit\u00e9 du Vatican"},
      {1880252, "Singapour"},
      {2427123, "N'Djam\u00e9na"},
      {1566083, "H\u00f4-Chi-Minh-Ville"},
  };
  return rules;
}

}  // namespace pellamar::tools
