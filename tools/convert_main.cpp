// pellamar-convert: writes the program's data files from GSHHG and GeoNames.
//
//   pellamar-convert --gshhg DIR --cities cities.pbf --french-names geonames.mo
//                    --countries iso_3166-1.json --country-names iso_3166-1.mo
//                    --out DIR
//
// DIR of --gshhg holds binned_{GSHHS,river,border}_{c,i}.nc. Prints what it
// wrote (lines, tolerance) on standard output; exits non-zero on any failure.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>


#include "convert/catalogs.h"
#include "convert/city_list.h"
#include "convert/gshhg_bins.h"
#include "convert/pbf_cities.h"
#include "convert/outline_text.h"
#include "gshhg_netcdf.h"

namespace fs = std::filesystem;
using namespace pellamar::tools;

namespace {

// Lines a precise file may hold: the reader keeps 200,001.
constexpr std::size_t kMaxFileLines = 200'000;
// GSHHG's six continental polygons are all above this; Greenland, the
// largest island, has 2.1 million km².
constexpr double kContinentAreaKm2 = 5'000'000.0;
// The whole-world file keeps islands and lakes above these areas.
constexpr double kCoarseIslandAreaKm2 = 5'000.0;
constexpr double kCoarseLakeAreaKm2 = 5'000.0;
// Thinning never goes beyond this; past it the smallest polygons go.
constexpr double kMaxToleranceDeg = 0.05;

bool ReadBytes(const fs::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  bytes = buffer.str();
  return static_cast<bool>(in) || in.eof();
}

bool WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

void AddRings(std::vector<SourceLine>& out, const ShorePolygon& polygon) {
  for (const Polyline& ring : polygon.rings) out.push_back({ring, true, std::abs(polygon.area_km2)});
}

bool WriteOutline(const fs::path& path, const std::vector<SourceLine>& lines, std::size_t max_lines) {
  std::size_t source_points = 0;
  for (const SourceLine& line : lines) source_points += line.points.size();
  const FitResult fit = FitOutline(lines, max_lines, kMaxToleranceDeg);
  const std::string text = FormatOutline(fit.parts);
  std::cout << path.filename().string() << ": " << lines.size() << " source lines, " << source_points
            << " source points -> " << LineCount(fit.parts) << " file lines in " << fit.parts.size()
            << " polylines, tolerance " << fit.tolerance_deg << " deg, " << fit.lines_dropped
            << " lightest lines dropped, " << text.size() << " bytes\n";
  return WriteBytes(path, text);
}

struct Options {
  fs::path gshhg, cities, french_names, countries, country_names, out;
};

}  // namespace

int main(int argc, char** argv) {
  Options opt;
  std::map<std::string, fs::path*> flags{{"--gshhg", &opt.gshhg},
                                         {"--cities", &opt.cities},
                                         {"--french-names", &opt.french_names},
                                         {"--countries", &opt.countries},
                                         {"--country-names", &opt.country_names},
                                         {"--out", &opt.out}};
  for (int i = 1; i + 1 < argc; i += 2) {
    auto it = flags.find(argv[i]);
    if (it == flags.end()) {
      std::cerr << "unknown option " << argv[i] << '\n';
      return 2;
    }
    *it->second = argv[i + 1];
  }
  for (const auto& [name, value] : flags) {
    if (value->empty()) {
      std::cerr << "missing " << name << '\n';
      return 2;
    }
  }

  std::string error;
  const auto shore_i = ReadShoreFile(opt.gshhg / "binned_GSHHS_i.nc", error);
  const auto shore_c = shore_i ? ReadShoreFile(opt.gshhg / "binned_GSHHS_c.nc", error) : std::nullopt;
  const auto river_i = shore_c ? ReadLineFile(opt.gshhg / "binned_river_i.nc", error) : std::nullopt;
  const auto border_i = river_i ? ReadLineFile(opt.gshhg / "binned_border_i.nc", error) : std::nullopt;
  const auto border_c = border_i ? ReadLineFile(opt.gshhg / "binned_border_c.nc", error) : std::nullopt;
  if (!border_c) {
    std::cerr << error << '\n';
    return 1;
  }

  std::vector<SourceLine> coasts, islands, lakes;
  for (const ShorePolygon& polygon : BuildShorePolygons(*shore_i)) {
    if (polygon.level == 1 && polygon.area_km2 > kContinentAreaKm2) AddRings(coasts, polygon);
    else if (polygon.level == 1 || polygon.level == 3) AddRings(islands, polygon);
    else if (polygon.level == 2 || polygon.level == 4) AddRings(lakes, polygon);
  }
  for (SourceLine& border : BuildLines(*border_i, 1, 1)) coasts.push_back(std::move(border));
  const std::vector<SourceLine> rivers = BuildLines(*river_i, 1, 3);

  std::vector<SourceLine> world;
  for (const ShorePolygon& polygon : BuildShorePolygons(*shore_c)) {
    // A negative lake area marks a wide river section, not a lake.
    if ((polygon.level == 1 && polygon.area_km2 >= kCoarseIslandAreaKm2) ||
        (polygon.level == 2 && polygon.area_km2 >= kCoarseLakeAreaKm2)) {
      AddRings(world, polygon);
    }
  }
  for (SourceLine& border : BuildLines(*border_c, 1, 1)) world.push_back(std::move(border));

  fs::create_directories(opt.out);
  if (!WriteOutline(opt.out / "contours.Asc", coasts, kMaxFileLines) ||
      !WriteOutline(opt.out / "Iles.Asc", islands, kMaxFileLines) ||
      !WriteOutline(opt.out / "Lacs.Asc", lakes, kMaxFileLines) ||
      !WriteOutline(opt.out / "rivieres.Asc", rivers, kMaxFileLines) ||
      !WriteOutline(opt.out / "totale.Asc", world, kMaxFileLines)) {
    std::cerr << "cannot write the outline files in " << opt.out << '\n';
    return 1;
  }

  std::string pbf, mo, json, iso_mo;
  if (!ReadBytes(opt.cities, pbf) || !ReadBytes(opt.french_names, mo) || !ReadBytes(opt.countries, json) ||
      !ReadBytes(opt.country_names, iso_mo)) {
    std::cerr << "cannot read the city sources\n";
    return 1;
  }
  const auto places = DecodeCities(pbf);
  const auto french = ParseMoCatalog(mo);
  const auto countries = ParseIsoCountries(json);
  const auto french_countries = ParseMoCatalog(iso_mo);
  if (!places || !french || !countries || !french_countries) {
    std::cerr << (!places              ? "damaged city list\n"
                  : !french            ? "damaged name catalogue\n"
                  : !countries         ? "damaged country list\n"
                                       : "damaged country name catalogue\n");
    return 1;
  }
  std::map<std::string, std::string> country_names;
  for (const auto& [code, country] : *countries) country_names.emplace(code, FrenchCountryName(country, *french_countries));
  const std::vector<CountryBlock> blocks = SelectCities(*places, *french, country_names, ShippedCityRules());
  std::size_t city_count = 0;
  std::map<char, std::size_t> per_category;
  for (const CountryBlock& block : blocks) {
    city_count += block.cities.size();
    bool has_capital = false;
    for (const CityEntry& city : block.cities) {
      has_capital = has_capital || city.category == '0';
      ++per_category[city.category];
    }
    if (!has_capital) std::cout << "no capital: " << block.code << ' ' << block.name << '\n';
  }
  std::cout << "cities per category:";
  for (const auto& [category, count] : per_category) std::cout << ' ' << category << ':' << count;
  std::cout << '\n';
  const std::string villes = FormatCityFile(blocks);
  std::cout << "Villes.txt: " << places->size() << " places read, " << city_count << " cities in "
            << blocks.size() << " countries, " << villes.size() << " bytes\n";
  if (!WriteBytes(opt.out / "Villes.txt", villes)) {
    std::cerr << "cannot write Villes.txt\n";
    return 1;
  }
  return 0;
}
