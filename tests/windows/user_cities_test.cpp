#include "windows/user_cities.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "windows/about.h"

namespace pellamar {
namespace {

// The fields as the editor shows them: "48 51 N 2 21 E".
std::string Shown(const UserCityFields& f) {
  std::ostringstream out;
  out << f.lat_degrees << ' ' << f.lat_minutes << (f.north ? " N " : " S ") << f.lon_degrees << ' '
      << f.lon_minutes << (f.east ? " E" : " W");
  return out.str();
}

// Faults: minutes not rounded to thousandths, east not negative, no carry, a bound off by
// one; read back truncated or with a hemisphere flipped.
TEST(UserCitiesTest, FormatsTheUserLineAndReadsItBack) {
  struct Case { UserCityInput input; std::string line, shown; };
  const Case cases[] = {
      // 51' = 0.850°, 21' = 0.350°; east is negative in the file.
      {{"Paris", "48", "51", true, "2", "21", true}, "48.850 -002.350 9 3 Paris", "48 51 N 2 21 E"},
      {{"Lima", "12", "3", false, "77", "2", false}, "-12.050 077.033 9 3 Lima", "12 3 S 77 2 W"},
      // Exactly 0 reads back as south, as the editor writes a clicked 0.
      {{"  Le  Port ", "0", "", true, "180", "0", false}, "00.000 180.000 9 3 Le  Port", "0 0 S 180 0 W"},
      {{"Pôle", "90", "0", false, "0", "0", true}, "-90.000 -000.000 9 3 P\xF4le", "90 0 S 0 0 W"},
      // 59' is .983; 59.99' rounds into the next degree; "," is a decimal point.
      {{"A", "48", "59", true, "2", "59", true}, "48.983 -002.983 9 3 A", "48 59 N 2 59 E"},
      {{"B", "48", "59.99", true, "2", "30,5", true}, "49.000 -002.508 9 3 B", "49 0 N 2 30 E"},
      {{"C", "0", "1", true, "123", "1", false}, "00.017 123.017 9 3 C", "0 1 N 123 1 W"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const UserCityLine result = FormatUserCity(c.input);
    EXPECT_EQ(result.line.value_or(result.refusal), c.line);
    const auto back = FieldsOfUserLine(c.line);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(Shown(*back), c.shown);
  }
  EXPECT_EQ(FieldsOfUserLine("48.850 -002.350 9 3 Paris")->name, "Paris");
  // 59.994' rounds to the next degree.
  EXPECT_EQ(Shown(*FieldsOfUserLine("48.9999 -002.000 9 3 C")), "49 0 N 2 0 E");
}

// Faults: a bound off by one, a control byte or ";" let through, an unencodable name taken.
TEST(UserCitiesTest, RefusesBadInput) {
  struct Case { UserCityInput input; std::string refusal; };
  const std::string lat_deg = "Latitude : degrés entiers de 0 à 90.";
  const std::string lat_min = "Latitude : minutes de 0 à moins de 60.";
  const std::string bad_char = "Le nom ne doit contenir ni « ; » ni caractère de contrôle.";
  const Case cases[] = {
      {{"", "48", "51", true, "2", "21", true}, ""},  // a beep alone
      {{"X", "abc", "0", true, "2", "0", true}, lat_deg},
      {{"X", "-48", "0", true, "2", "0", true}, lat_deg},
      {{"X", "91", "0", true, "2", "0", true}, lat_deg},
      {{"X", "48.5", "0", true, "2", "0", true}, lat_deg},
      {{"X", "48", "60", true, "2", "0", true}, lat_min},
      {{"X", "48", "-1", true, "2", "0", true}, lat_min},
      {{"X", "90", "1", true, "2", "0", true}, "Latitude : pas au-delà de 90°."},
      {{"X", "48", "0", true, "181", "0", true}, "Longitude : degrés entiers de 0 à 180."},
      {{"X", "48", "0", true, "2", "60", true}, "Longitude : minutes de 0 à moins de 60."},
      {{"X", "48", "0", true, "180", "0.5", true}, "Longitude : pas au-delà de 180°."},
      {{"A;B", "48", "0", true, "2", "0", true}, bad_char},
      {{"A\x1F" "B", "48", "0", true, "2", "0", true}, bad_char},  // the last control byte
      {{"A\x7F" "B", "48", "0", true, "2", "0", true}, bad_char},
      {{"Łódź", "48", "0", true, "2", "0", true},
       "Le nom contient un caractère que le fichier des villes ne peut pas enregistrer."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    const UserCityLine result = FormatUserCity(c.input);
    EXPECT_FALSE(result.line.has_value());
    EXPECT_EQ(result.refusal, c.refusal);
  }
}

// Faults: rounded instead of truncated, no clamp, 0 taken as north or east, lat and lon swapped.
TEST(UserCitiesTest, ClickedPlaceIsTruncatedAndClamped) {
  const std::pair<GeoPoint, std::string> cases[] = {
      {{48.5, 2.25}, "48 30 N 2 15 E"},
      {{0, 0}, "0 0 S 0 0 W"},  // exactly 0 is south and west
      {{-33.999, -70.5}, "33 59 S 70 30 W"},  // truncated, not rounded
      {{95, 200}, "90 0 N 180 0 E"},
      {{-95, -200}, "90 0 S 180 0 W"},
  };
  for (const auto& [place, shown] : cases) EXPECT_EQ(Shown(FieldsOfClickedPlace(place)), shown);
}

// Faults: lines before the header listed, a one-character line listed, an unsplittable line dropped.
TEST(UserCitiesTest, LoadsTheUserSection) {
  const std::vector<std::string_view> file = {
      "; France", "048.857 -002.351 0 0 Paris", "; ", " ", "; ", "; Villes d\xE9" "finies", "; ",
      "48.850 -002.350 9 3 Maison", "", " x", "n'importe quoi", "-12.050 077.033 9 3 Lima",
  };
  std::vector<std::string> listed;
  for (const UserCityEntry& e : LoadUserCities(file)) listed.push_back(e.name + "|" + e.line);
  // A line that cannot be split stays listed by itself, so a save keeps it.
  EXPECT_EQ(listed, (std::vector<std::string>{"Maison|48.850 -002.350 9 3 Maison", "n'importe quoi|n'importe quoi",
                                              "Lima|-12.050 077.033 9 3 Lima"}));
}

// Faults: old user lines kept, LF lines rewritten, no line end before an appended header,
// a lone CR after the header doubled.
TEST(UserCitiesTest, SavedFileKeepsEverythingBeforeTheHeader) {
  const std::string header = "; Villes d\xE9" "finies";
  const std::vector<std::string> users = {"48.850 -002.350 9 3 Paris", "-12.050 077.033 9 3 Lima"};
  const std::string tail = "; \r\n48.850 -002.350 9 3 Paris\r\n-12.050 077.033 9 3 Lima\r\n";
  const std::pair<std::string, std::string> cases[] = {
      // The old user lines are replaced; LF lines before the header stay LF.
      {"; A\n1 2 3 0 x\n; \r\n" + header + "\r\n; \r\n1 1 9 3 Old\r\n", "; A\n1 2 3 0 x\n; \r\n" + header + "\r\n" + tail},
      // Without a user section the header is appended, after a line end.
      {"; A\r\n1 2 3 0 x\r\n;", "; A\r\n1 2 3 0 x\r\n;\r\n \r\n; \r\n" + header + "\r\n" + tail},
      {"", " \r\n; \r\n" + header + "\r\n" + tail},
      // The header as the last line, without a line end or with a lone CR:
      // completed, never doubled into CR CR LF (which would hide it).
      {header, header + "\r\n" + tail},
      {header + "\r", header + "\r\n" + tail},
  };
  for (const auto& [old_file, saved] : cases) {
    SCOPED_TRACE(old_file);
    EXPECT_EQ(SavedCityFile(old_file, users), saved);
  }
  // With no user city the section keeps its header and "; ".
  EXPECT_EQ(SavedCityFile(header + "\r\n", {}), header + "\r\n; \r\n");
}

// Faults: the version or the mail subject out of step with the build.
TEST(AboutTest, VersionAndMailLinkCarryTheBuildsVersion) {
  EXPECT_EQ(VersionLine(), "Version " PELLAMAR_PROJECT_VERSION);
  EXPECT_EQ(MailLink(), "mailto:auteur@pellamar.example.org?subject=Pellamar V2.2");
}

}  // namespace
}  // namespace pellamar
