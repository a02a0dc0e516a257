#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "places/city_drawing.h"
#include "places/city_file.h"
#include "places/city_search.h"
#include "places/cp1252.h"
#include "places/position_text.h"
#include "support/recording_canvas.h"

namespace pellamar {
namespace {

using testing::RecordingCanvas;

// The bytes 0 to 255 in order.
std::string EveryByte() {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  return all;
}

// Faults: a byte of the code page lost in a round trip, the 0x80-0x9F block
// taken as Latin-1, a capital for its small letter; an unknown character or
// broken UTF-8 written as "?".
TEST(Cp1252Test, KnownCharactersWhatTheCodePageLacksAndLowerCase) {
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(EveryByte())), EveryByte());
  // Code page chart: E9 é, 80 €, 8C Œ, 9C œ, 92 ’, 9F Ÿ, A0 no-break space.
  const std::pair<std::string, std::string> cases[] = {
      {"; Villes d\xE9" "finies", "; Villes définies"},
      {"\x80\x8C\x9C\x92\x9F", "€Œœ’Ÿ"}, {"\xA0", "\u00A0"}, {"\xC7" "a", "Ça"},
  };
  for (const auto& [bytes, utf8] : cases) {
    EXPECT_EQ(Cp1252ToUtf8(bytes), utf8);
    EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
  }
  // Ł (U+0141), a CJK character, an emoji, and broken UTF-8.
  // The cut sequence is read from a longer text, so no terminator ends it.
  const std::string_view refused[] = {"Łódź", "東京", "😀", "\xC3", {"\xE2\x82\xAC", 2}, "a\xE9z", "\x80"};
  for (const std::string_view text : refused) EXPECT_FALSE(Utf8ToCp1252(text).has_value()) << text;
  // Faults: accented capitals not lowered; × and ß changed.
  EXPECT_EQ(Cp1252Lower("PARIS \xC9vry \x8A\x8C\x8E\x9F \xD7\xDE\xDF 9 3"),
            "paris \xE9vry \x9A\x9C\x9E\xFF \xD7\xFE\xDF 9 3");
}

// Faults: fields read by position, a doubled blank splitting twice, the
// name's first character lost, a bad category taken or a good one refused.
TEST(CityFileTest, ParseCityLineSplitsOnBlanks) {
  using Record = std::tuple<double, double, char, std::string, std::string>;
  const std::pair<std::string, Record> cases[] = {
      // The editor's own form of a user city, and the shipped form.
      {"48.850 -002.350 9 3 Paris", {48.85, -2.35, '9', "3", "Paris"}},
      {"-34.613 0058.377 0 0 Buenos Aires", {-34.613, 58.377, '0', "0", "Buenos Aires"}},
      // Widths do not matter: a short longitude, a long one.
      {"48.85 -2.35 1 x Name", {48.85, -2.35, '1', "x", "Name"}},
      {"1.5 -002.983 4 0 Wide", {1.5, -2.983, '4', "0", "Wide"}},
      // The name keeps its blanks and whatever follows the reserved word.
      {"10.000 -020.000 5 0 Le  Caire ; x", {10, -20, '5', "0", "Le  Caire ; x"}},
      // Doubled blanks between the fields are one separator.
      {" 10.000  -020.000  5 0 Ici", {10, -20, '5', "0", "Ici"}},
      // No name after the reserved word: the name is the whole line.
      {"10.000 -020.000 5 0", {10, -20, '5', "0", "10.000 -020.000 5 0"}},
      // A blank after the reserved word and nothing more: an empty name.
      {"10.000 -020.000 5 0 ", {10, -20, '5', "0", ""}},
  };
  for (const auto& [line, want] : cases) {
    const auto r = ParseCityLine(line);
    ASSERT_TRUE(r.has_value()) << line;
    EXPECT_EQ(std::tuple(r->latitude_deg, r->lon_west_deg, r->category, r->reserved, r->name), want);
  }
  for (const char* line : {"", " ", "Paris", "48.850 -002.350 ", "48.850 -002.350 x 3 Name",
                           "48.850 -002.350 10 3 Name", "48.850 -002.350 / 3 Name", "48.850 -002.350 : 3 N"}) {
    EXPECT_FALSE(ParseCityLine(line).has_value()) << line;
  }
}

// Faults: a blank or ";" line classed as a heading; the header compared as
// UTF-8; a CR inside a line taken as a line end; an empty last line added.
TEST(CityFileTest, ClassifiesSplitsAndReadsEveryByteOrNothing) {
  const std::pair<std::string, CityLineKind> kinds[] = {
      {" \t ", CityLineKind::Empty}, {";x", CityLineKind::CountryHeading}, {";   \t", CityLineKind::BlockEnd},
      {std::string(kUserSectionHeader), CityLineKind::UserSectionHeader},
      {"; Villes définies", CityLineKind::CountryHeading}, {"048.857 -002.351 0 0 A;B", CityLineKind::City},
  };
  for (const auto& [line, kind] : kinds) EXPECT_EQ(ClassifyCityLine(line), kind) << line;
  const std::pair<std::string, std::vector<std::string>> files[] = {
      {"a\r\n\r\n \r\nb", {"a", "", " ", "b"}}, {"a\rb\r\nc\n", {"a\rb", "c"}}, {"", {}}};
  for (const auto& [bytes, expected] : files) {
    const std::vector<std::string_view> lines = SplitCityLines(bytes);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), expected);
  }
  // Faults: bytes translated in reading; a missing file or a folder read as empty.
  const auto folder = std::filesystem::temp_directory_path() /
                      ("pellamar_city_file_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "Villes.txt", std::ios::binary) << EveryByte();
  EXPECT_EQ(ReadCityFile(folder / "Villes.txt"), EveryByte());
  EXPECT_FALSE(ReadCityFile(folder / "absent.txt") || ReadCityFile(folder));  // a folder is no file
  std::filesystem::remove_all(folder);
}

// A small city file as the program ships and extends it (Windows-1252).
const std::vector<std::string> kFile = {
    "; Argentine", "-34.613 0058.377 0 0 Buenos Aires", "-31.413 0064.181 2 0 C\xF3rdoba", "; ",
    "; France", "048.857 -002.351 0 0 Paris", "", "043.297 -005.381 1 0 Marseille",
    "046.323 -000.465 6 0 Parthenay;ancienne", ";", "; Vide", "; ", " ", "; ",
    "; Villes d\xE9" "finies", "; ", "48.850 -002.350 9 3 Maison", "-12.500 -045.250 9 3 PARc national",
};

std::vector<std::string> Names(const std::vector<CityMatch>& found) {
  std::vector<std::string> names;
  for (const CityMatch& m : found) names.push_back(m.name);
  return names;
}

// Faults: a case-sensitive match, accents not folded, a blank line or ";"
// line listed, a block cut at an empty line or at a block end before any
// city, the user section's header left out, the leading ";" kept.
TEST(CitySearchTest, NameSearchCountriesTheirCitiesAndTheChosenCity) {
  const std::vector<std::string_view> lines(kFile.begin(), kFile.end());
  const std::pair<std::string, std::vector<std::string>> searches[] = {
      // Any case, anywhere in the line; the line with ";" never comes.
      {"par", {"Paris", "PARc national"}},
      // Accents compare case-blind too (Ó is 0xD3, ó 0xF3).
      {"C\xD3RD", {"C\xF3rdoba"}},
      {"-002.35", {"Paris", "Maison"}},
      // A query as long as the line it matches.
      {"48.850 -002.350 9 3 maison", {"Maison"}},
      {"", {}},
      // A blank query finds every city but no blank line.
      {" ", {"Buenos Aires", "C\xF3rdoba", "Paris", "Marseille", "Maison", "PARc national"}},
  };
  for (const auto& [query, names] : searches) EXPECT_EQ(Names(SearchCities(lines, query)), names) << query;
  // Each name comes with its whole line.
  EXPECT_EQ(SearchCities(lines, "maison").at(0).line, "48.850 -002.350 9 3 Maison");

  EXPECT_EQ(ListCountries(lines),
            (std::vector<std::string>{" Argentine", " France", " Vide", " Villes d\xE9" "finies"}));
  const std::pair<std::string, std::vector<std::string>> countries[] = {
      {" Argentine", {"Buenos Aires", "C\xF3rdoba"}},
      // The empty line adds no entry; a ";" in a name keeps the city in.
      {"France", {"Paris", "Marseille", "Parthenay;ancienne"}},
      // The user section: its header is followed at once by "; ".
      {" Villes d\xE9" "finies", {"Maison", "PARc national"}},
      // A block that ends before any city reads on to the next block end
      // that follows a city.
      {" Vide", {"Maison", "PARc national"}},
      {" france", {}},
  };
  for (const auto& [country, names] : countries) EXPECT_EQ(Names(CountryCities(lines, country)), names) << country;

  // Faults: the west-positive longitude not negated; a clamp dropped; the
  // chosen zoom not the one just under every name drawn.
  const std::tuple<std::string, double, double> cases[] = {
      {"-34.613 0058.377 0 0 Buenos Aires", -34.613, -58.377},
      {"95.000 -200.000 9 3 Trop loin", 90, 180},
      {"-95.000 200.000 9 3 Trop loin", -90, -180},
  };
  for (const auto& [line, lat, lon] : cases) {
    const GeoPoint place = ChooseCity(line).value().place;  // throws, and fails, when refused
    EXPECT_EQ(std::tuple(place.lat_deg, place.lon_east_deg), std::tuple(lat, lon)) << line;
  }
  EXPECT_FALSE(ChooseCity("Paris").has_value());
  EXPECT_EQ(ChooseCity("048.857 -002.351 0 0 Paris")->name, "Paris");
  MapState map;
  CentreOnCity(map, {-34.5, -58.25});
  EXPECT_EQ(std::tuple(map.LATCENTD, map.LONCENTD, map.ZOOMc), std::tuple(-34.5f, -58.25f, 899.0));
}


// A map 12000 x 6000 twips centred on 10° N, 20° E at 10 twips a minute each
// way: it shows 5° north and south of the centre, 10° east and west.
MapState Map(double zoom) {
  return {.LATCENTD = 10, .LONCENTD = 20, .ZOOMc = zoom, .Pas_Inter = 10, .PasLong = 10, .Xc = 3000, .Yc = 3000};
}

// The count DrawCityLines returns for the lines, and what it drew.
std::pair<int, RecordingCanvas> Draw(const std::vector<std::string>& file, const MapState& map, double min_radius = 1) {
  RecordingCanvas canvas(12000, 6000);
  const int count = DrawCityLines({file.begin(), file.end()}, map, canvas, min_radius);
  EXPECT_EQ(canvas.clears, 0);  // drawn on top of the map
  return {count, canvas};
}

// Faults: a class given another style, x or y mirrored, the file's
// west-positive sign ignored, a name not decoded from Windows-1252.
TEST(CityDrawingTest, PlacesEachCityByItsClassAndNamesByZoom) {
  // 12° N 22° E lies 2° north and 2° east of the centre: 1200 twips right
  // and up. West-positive longitudes as the file keeps them.
  const std::vector<std::string> file = {
      "12.000 -022.000 0 0 Capitale", "12.000 -022.000 2 0 Grande", "12.000 -022.000 3 0 Moyenne",
      "12.000 -022.000 4 0 Petite",   "12.000 -022.000 8 0 Bourg",  "12.000 -022.000 9 3 Chez moi",
      "08.000 -018.000 1 0 Bogot\xE1",
  };
  // x, y, radius, circle colour, name colour.
  const std::tuple<double, double, double, Colour, Colour> want[] = {
      {4200, 1800, 40, 0xFF00FF, 0x0000FF}, {4200, 1800, 40, 0xFF00FF, 0x0000FF},
      {4200, 1800, 20, 0xFF0000, 0x0000FF}, {4200, 1800, 20, 0xFF0000, 0x640000},
      {4200, 1800, 20, 0xFF0000, 0x640000}, {4200, 1800, 40, 0x008000, 0x008000},
      {1800, 4200, 40, 0xFF00FF, 0x0000FF},
  };
  const auto [count, d] = Draw(file, Map(600));
  EXPECT_EQ(count, 7);
  ASSERT_EQ(std::tuple(d.circles.size(), d.texts.size()), std::tuple(7u, 7u));  // below 900 every name is drawn
  for (std::size_t i = 0; i < 7; ++i) {
    SCOPED_TRACE(file[i]);
    const auto& [x, y, r, circle, name] = want[i];
    EXPECT_EQ(std::tuple(d.circles[i].cx, d.circles[i].cy, d.circles[i].r, d.circles[i].colour),
              std::tuple(x, y, r, circle));
    // The name's top-left corner is on the city, in the class's colour.
    EXPECT_EQ(std::tuple(d.texts[i].x, d.texts[i].y, d.texts[i].colour), std::tuple(x, y, name));
  }
  EXPECT_EQ(d.texts[0].text, "Capitale");
  EXPECT_EQ(d.texts[6].text, "Bogotá");

  // Faults: a zoom threshold taken as <= for <, a class named at the wrong zoom.
  const std::vector<std::string> classes = {"10.000 -020.000 2 0 A", "10.000 -020.000 3 0 B",
                                            "10.000 -020.000 8 0 C", "10.000 -020.000 9 3 D"};
  const std::pair<double, std::string> cases[] = {{899.9, "ABCD"}, {900, "AD"}, {11999.9, "AD"}, {12000, ""}};
  for (const auto& [zoom, names] : cases) {
    const auto [count, d] = Draw(classes, Map(zoom));
    EXPECT_EQ(d.circles.size(), 4u);
    std::string drawn;
    for (const auto& t : d.texts) drawn += t.text;
    EXPECT_EQ(drawn, names) << zoom;
  }
}

// Faults: an edge taken as < for <=, latitude and longitude swapped, a wrap
// added, a bad line stopping the drawing.
TEST(CityDrawingTest, LimitsAreInclusiveNoWrapNoBadLinesAndCirclesAtLeastOnePixel) {
  const std::vector<std::string> file = {
      "15.000 -020.000 1 0 N", "15.001 -020.000 1 0 n", "05.000 -020.000 1 0 S", "04.999 -020.000 1 0 s",
      "10.000 -030.000 1 0 E", "10.000 -030.001 1 0 e", "10.000 -010.000 1 0 W", "10.000 -009.999 1 0 w",
      // Latitude and longitude not swapped: 20° N 10° E is off the map.
      "20.000 -010.000 1 0 x",
      // What is no city is skipped, and the drawing goes on.
      "; Pays", "", " ", "10.000 -020.000 1 0 A;B", "garbage", "10.000 -020.000 x 0 Bad", ";",
      "; Villes d\xE9" "finies", "10.500 -020.500 9 3 Ici",
  };
  const auto [count, d] = Draw(file, Map(600));
  std::string drawn;
  for (const auto& t : d.texts) drawn += t.text;
  EXPECT_EQ(drawn, "NSEWIci");
  EXPECT_EQ(count, 5);
  // Centred on 179° E, a city at 179° W, 2° away across the 180th meridian,
  // is not drawn.
  MapState m = Map(600);
  m.LONCENTD = 179;
  const auto far = Draw({"10.000 179.000 1 0 Far", "10.000 -178.000 1 0 Near"}, m).second;
  ASSERT_EQ(far.texts.size(), 1u);
  EXPECT_EQ(far.texts[0].text, "Near");

  // Faults: the one-pixel floor dropped; a division by a zero scale.
  m = Map(600);
  m.Pas_Inter = m.PasLong = 0.05f;
  const auto tiny = Draw({"10.000 -020.000 9 3 A", "10.000 -020.000 4 0 B"}, m, 15.0).second;
  ASSERT_EQ(tiny.circles.size(), 2u);
  EXPECT_EQ(std::tuple(tiny.circles[0].r, tiny.circles[1].r), std::tuple(15.0, 15.0));
  for (const auto zero : {&MapState::Pas_Inter, &MapState::PasLong}) {
    MapState none = Map(600);
    none.*zero = 0;
    const auto [none_count, empty] = Draw({"10.000 -020.000 9 3 A"}, none);
    EXPECT_EQ(std::tuple(none_count, empty.circles.size()), std::tuple(0, 0u));
  }
}


// Faults: minutes rounded without the locator, a second not carried, a
// hemisphere wrong at 0, a single digit not padded, the last field past R.
TEST(ShowPosition, WritesHemispheresDegreesMinutesAndSeconds) {
  // Label2's caption, hand-worked from the degrees: minutes truncated
  // without the locator; seconds rounded (and the locator on top) with it.
  const std::tuple<double, double, bool, const char*> cases[] = {
      // 48°51'24.0", 2°21'02.999" (Paris); field J/N, square 1/8, subsquare E/U.
      {48.856667, 2.350833, true, "JN18EU\nN48°51'24\"\nE02°21'03\""},
      {48.856667, 2.350833, false, "N48°51'\nE02°21'"},
      // South and west: 34°36', 58°27'.
      {-34.6, -58.45, true, "GF05SJ\nS34°36'00\"\nW58°27'00\""},
      // Exactly 0 is south and east.
      {0, 0, false, "S00°00'\nE00°00'"},
      // Just west of Greenwich: field I (179.5 / 20 = 8.975).
      {0.25, -0.5, true, "IJ90SG\nN00°15'00\"\nW00°30'00\""},
      // Three-digit degrees; 151.2 is 151.19999… in binary but 151°12'.
      {-33.8667, 151.2, false, "S33°52'\nE151°12'"},
      // A second that rounds up carries into the minute and the degree.
      {0.99999, 2.999999, true, "JJ11MA\nN01°00'00\"\nE03°00'00\""},
      // Without seconds the minutes stay truncated: 59.9994' is 59'.
      {0.99999, 0, false, "N00°59'\nE00°00'"},
      // 59'59.6" carries into the next minute, not "60".
      {10 + 59.0 / 60 + 59.6 / 3600, 0, true, "JK01AA\nN11°00'00\"\nE00°00'00\""},
      // The corners of the grid: the last field is R, the first A.
      {90, 180, true, "RR99XX\nN90°00'00\"\nE180°00'00\""},
      {-90, -180, true, "AA00AA\nS90°00'00\"\nW180°00'00\""},
  };
  for (const auto& [lat, lon, qra, caption] : cases) EXPECT_EQ(ShowPosition(lat, lon, qra), caption);
}

// Faults: the subsquare from more than three decimals, west not mirrored,
// seconds left out.
TEST(ToLocator, SubsquaresFollowTheFirstThreeDecimalsOfTheTenthsAndSecondsAreRounded) {
  // Worked by hand from x = (lon + 180) / 20 and y = (lat + 90) / 10.
  const std::tuple<DegreesMinutesSeconds, const char*, DegreesMinutesSeconds, const char*, const char*> cases[] = {
      // x = 9.125 exactly: the subsquare boundary 0.024 × 250 = 6 -> 'G'.
      {{0, 0, 0}, "N", {2, 30, 0}, "E", "JJ10GA"},
      // The same from the west: x = 8.875, 0.024 × 750 = 18 -> 'S'.
      {{0, 0, 0}, "N", {2, 30, 0}, "W", "IJ80SA"},
      // y = (90 - 45.5) / 10 = 4.45 -> field E, square 4, 0.024 × 500 = 12 -> 'M'.
      {{45, 30, 0}, "S", {0, 0, 0}, "E", "JE04AM"},
      // The seconds count: 0°05'03" E is x = 9.0042, 0.042 × 24 -> 'B'.
      {{0, 0, 0}, "N", {0, 5, 3}, "E", "JJ00BA"},
  };
  for (const auto& [lat, NS, lon, EW, locator] : cases) EXPECT_EQ(ToLocator(lat, NS, lon, EW), locator);

  // Convert_Degree. Faults: seconds truncated instead of rounded, a leading
  // zero written, the carry to 60 cut.
  // 48°51'24.0"; 2°21'03" without a leading zero; seconds run from 0 to 60
  // here; -1° + 29'45.6".
  const std::pair<double, const char*> seconds_of[] = {
      {48.856667, "24"}, {2.350833, "3"}, {0.99999, "60"}, {-0.504, "46"}};
  for (const auto& [degrees, seconds] : seconds_of) EXPECT_EQ(Convert_Degree(degrees), seconds) << degrees;
}

}  // namespace
}  // namespace pellamar
