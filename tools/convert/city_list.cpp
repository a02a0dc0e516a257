#include "convert/city_list.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
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

// A place of the city list with the population figure the converter
// believes.
struct Town {
  const PbfCity* place = nullptr;
  std::uint64_t figure = 0;
};

constexpr double kEarthRadiusKm = 6371.0;
constexpr double kTownDensityPerKm2 = 6000.0;
constexpr double kMinReachKm = 3.0;
// A doubtful figure gives way to the largest one listed this close by.
constexpr double kSameTownKm = 10.0;

// Higher for a seat of a larger administrative unit: PPLC, PPLA, PPLA2…
int FeatureRank(std::string_view code) {
  if (code == "PPLC") return 6;
  if (code == "PPLA") return 5;
  if (code == "PPLA2") return 4;
  if (code == "PPLA3") return 3;
  if (code == "PPLA4") return 2;
  return 1;
}

// The largest stated figure of another place of the same country within
// kSameTownKm that is not itself doubtful; 0 when there is none.
std::uint64_t SameTownFigure(const Town& town, const std::vector<Town>& towns, const CityRules& rules) {
  std::uint64_t best = 0;
  for (const Town& other : towns) {
    if (&other == &town || rules.doubtful_populations.contains(other.place->geonames_id)) continue;
    if (DistanceKm(town.place->lat_deg, town.place->lon_east_deg, other.place->lat_deg,
                   other.place->lon_east_deg) <= kSameTownKm) {
      best = std::max(best, other.place->population);
    }
  }
  return best;
}

// GeoNames writes Chinese and Taiwanese towns as "Taoyuan City", "Zhu Cheng
// City": the English rendering of 市, which French leaves out.
std::string WithoutCitySuffix(std::string_view country, std::string_view name) {
  constexpr std::string_view kSuffix = " City";
  if ((country == "CN" || country == "TW") && name.size() > kSuffix.size() && name.ends_with(kSuffix)) {
    name.remove_suffix(kSuffix.size());
  }
  return std::string(name);
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

double DistanceKm(double lat1_deg, double lon1_deg, double lat2_deg, double lon2_deg) {
  constexpr double kRad = std::numbers::pi / 180.0;
  const double dlat = (lat2_deg - lat1_deg) * kRad;
  const double dlon = (lon2_deg - lon1_deg) * kRad;
  const double h = std::sin(dlat / 2) * std::sin(dlat / 2) +
                   std::cos(lat1_deg * kRad) * std::cos(lat2_deg * kRad) * std::sin(dlon / 2) * std::sin(dlon / 2);
  return 2.0 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(h)));
}

double TownReachKm(std::uint64_t population) {
  const double disc = std::sqrt(static_cast<double>(population) / (std::numbers::pi * kTownDensityPerKm2));
  return std::max(kMinReachKm, disc);
}

std::string FrenchCountryName(const IsoCountry& country, const std::map<std::string, std::string>& french) {
  std::string name;
  if (const auto common = french.find(country.common_name); !country.common_name.empty()) {
    name = common != french.end() ? common->second : country.common_name;
  } else if (const auto formal = french.find(country.name); formal != french.end()) {
    name = formal->second;
  } else {
    name = country.name;
  }
  // "Salomon, Îles", "Palestine, État de", "Iran, République islamique d'":
  // the index form, read back as "Îles Salomon", "État de Palestine".
  if (const auto comma = name.find(", "); comma != std::string::npos) {
    const std::string head = name.substr(0, comma);
    const std::string tail = name.substr(comma + 2);
    const bool islands = tail == "\u00celes" || tail == "\u00cele";
    const bool of = tail.ends_with(" de") || tail.ends_with(" du") || tail.ends_with(" de la") ||
                    tail.ends_with(" des") || tail.ends_with(" d'");
    if (islands || of) name = tail + (tail.ends_with('\'') ? "" : " ") + head;
  }
  // A lower-case first letter, as in "îles Cook": its capital.
  if (name.starts_with("\u00ee")) name.replace(0, 2, "\u00ce");
  else if (name.starts_with("\u00e9")) name.replace(0, 2, "\u00c9");
  else if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return name;
}

std::vector<CountryBlock> SelectCities(const std::vector<PbfCity>& places,
                                       const std::map<std::string, std::string>& french_names,
                                       const std::map<std::string, std::string>& country_names,
                                       const CityRules& rules) {
  std::map<std::string, std::vector<Town>> by_country;
  for (const PbfCity& place : places) {
    if (place.country.empty() || !IsTown(place.feature_code)) continue;
    by_country[place.country].push_back({&place, place.population});
  }
  std::vector<CountryBlock> blocks;
  for (auto& [code, towns] : by_country) {
    for (Town& town : towns) {
      if (rules.doubtful_populations.contains(town.place->geonames_id)) town.figure = SameTownFigure(town, towns, rules);
    }
    // Largest first; among equal figures the higher administrative rank,
    // then the larger stated population, then the smaller id.
    std::sort(towns.begin(), towns.end(), [](const Town& a, const Town& b) {
      const int ra = FeatureRank(a.place->feature_code);
      const int rb = FeatureRank(b.place->feature_code);
      return std::tie(b.figure, rb, b.place->population, a.place->geonames_id) <
             std::tie(a.figure, ra, a.place->population, b.place->geonames_id);
    });
    const auto hand_capital = rules.capitals.find(code);
    CountryBlock block;
    block.code = code;
    if (const auto hand = rules.country_names.find(code); hand != rules.country_names.end()) {
      block.name = CleanName(hand->second);
    } else if (const auto it = country_names.find(code); it != country_names.end()) {
      block.name = CleanName(it->second);
    } else {
      block.name = code;
    }
    std::vector<const Town*> listed;
    for (const Town& town : towns) {
      const PbfCity& place = *town.place;
      const bool capital = place.feature_code == "PPLC" ||
                           (hand_capital != rules.capitals.end() && hand_capital->second == place.geonames_id);
      const bool seat = place.feature_code == "PPLA";
      const bool doubtful = rules.doubtful_populations.contains(place.geonames_id);
      if (!capital && !seat && !doubtful && town.figure < 100'000 && listed.size() >= 3) continue;
      if (!capital && !seat) {
        // Every place listed so far is at least as large as this one.
        const bool part_of_larger = std::any_of(listed.begin(), listed.end(), [&](const Town* larger) {
          return DistanceKm(larger->place->lat_deg, larger->place->lon_east_deg, place.lat_deg, place.lon_east_deg) <
                 TownReachKm(larger->figure);
        });
        if (part_of_larger) continue;
      }
      std::string name;
      if (const auto it = rules.names.find(place.geonames_id); it != rules.names.end()) {
        name = CleanName(it->second);
      } else if (const auto fr = french_names.find(IdText(place.geonames_id)); fr != french_names.end()) {
        name = CleanName(fr->second);
      }
      if (name.empty()) name = CleanName(WithoutCitySuffix(code, place.name));
      if (name.empty()) continue;
      listed.push_back(&town);
      block.cities.push_back({place.geonames_id, place.lat_deg, -place.lon_east_deg,
                              CityCategory(capital, town.figure, place.feature_code), town.figure,
                              std::move(name)});
    }
    std::sort(block.cities.begin(), block.cities.end(), [](const CityEntry& a, const CityEntry& b) {
      if (a.name != b.name) return FrenchBefore(a.name, b.name);
      return std::tie(b.population, a.geonames_id) < std::tie(a.population, b.geonames_id);
    });
    if (!block.cities.empty()) blocks.push_back(std::move(block));
  }
  std::sort(blocks.begin(), blocks.end(), [](const CountryBlock& a, const CountryBlock& b) {
    if (a.name != b.name) return FrenchBefore(a.name, b.name);
    return a.code < b.code;
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
  // Names the French catalogue gives in an older or a foreign form, or
  // lacks.
  rules.names = {
      {1526273, "Astana"},            // renamed from Nur-Sultan in 2022
      {1838524, "Busan"},             // catalogue: Pusan
      {6691831, "Cit\u00e9 du Vatican"},
      {1880252, "Singapour"},
      {2427123, "N'Djam\u00e9na"},
      {1566083, "H\u00f4-Chi-Minh-Ville"},
      {1821274, "Macao"},             // GeoNames: Macau
      {2462881, "La\u00e2youne"},     // GeoNames: Laayoune
  };
  // Headings where French usage differs from the ISO list's translation:
  // the short name in use rather than the formal one, a name the catalogue
  // leaves in English or in another language, Kosovo, which the list lacks.
  rules.country_names = {
      {"FK", "\u00celes Malouines"},
      {"FM", "Micron\u00e9sie"},
      {"MO", "Macao"},
      {"PS", "Palestine"},
      {"RE", "La R\u00e9union"},
      {"RU", "Russie"},
      {"SY", "Syrie"},
      {"TR", "Turquie"},
      {"VA", "Vatican"},
      {"VI", "\u00celes Vierges des \u00c9tats-Unis"},
      {"XK", "Kosovo"},
  };
  // Figures that count a whole prefecture or county, checked by hand
  // against the neighbouring places: Nanchong 7,150,000, Tai'an 5,499,000,
  // Shantou 5,329,024, Dadonghai (a beach district of Sanya) 2,000,000, Zhu
  // Cheng City 1,000,000 (its centre, Mizhou, 109,968, lies 0.4 km away),
  // Puyang 3,590,000 (a Zhejiang town given the Henan prefecture's figure),
  // Tianshui 3,500,000, Shiyan 3,460,000, Yunfu 2,612,800, Bayan Nur
  // 1,760,000, Lijiang 1,137,600.
  rules.doubtful_populations = {1800146, 1793724, 1795940, 1917790, 7602670, 1798425,
                                1792892, 1794903, 1785725, 11838258, 1813253};
  return rules;
}

}  // namespace pellamar::tools
