#include "windows/user_cities.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "places/city_file.h"

namespace pellamar {
namespace {

UserCityInput Input(std::string name, std::string lat_d, std::string lat_m, bool north, std::string lon_d,
                    std::string lon_m, bool east) {
  return {std::move(name), std::move(lat_d), std::move(lat_m), north, std::move(lon_d), std::move(lon_m), east};
}

// The fields as the editor shows them: "48 51 N 2 21 E".
std::string Shown(const UserCityFields& f) {
  std::ostringstream out;
  out << f.lat_degrees << ' ' << f.lat_minutes << (f.north ? " N " : " S ") << f.lon_degrees << ' '
      << f.lon_minutes << (f.east ? " E" : " W");
  return out.str();
}

// Faults: minutes not rounded to thousandths, east not negative, no carry; read back truncated.
TEST(UserCitiesTest, FormatsTheUserLineAndReadsItBack) {
  struct Case { UserCityInput input; std::string line, shown; };
  const Case cases[] = {
      // 51' = 0.850°, 21' = 0.350°; east is negative in the file.
      {Input("Paris", "48", "51", true, "2", "21", true), "48.850 -002.350 9 3 Paris", "48 51 N 2 21 E"},
      {Input("Lima", "12", "3", false, "77", "2", false), "-12.050 077.033 9 3 Lima", "12 3 S 77 2 W"},
      // Exactly 0 reads back as south, as the editor writes a clicked 0.
      {Input("  Le  Port ", "0", "", true, "180", "0", false), "00.000 180.000 9 3 Le  Port", "0 0 S 180 0 W"},
      {Input("Pôle", "90", "0", false, "0", "0", true), "-90.000 -000.000 9 3 P\xF4le", "90 0 S 0 0 W"},
      // 59' is .983; 59.99' rounds into the next degree.
      {Input("A", "48", "59", true, "2", "59", true), "48.983 -002.983 9 3 A", "48 59 N 2 59 E"},
      {Input("B", "48", "59.99", true, "2", "30,5", true), "49.000 -002.508 9 3 B", "49 0 N 2 30 E"},
      {Input("C", "0", "1", true, "123", "1", false), "00.017 123.017 9 3 C", "0 1 N 123 1 W"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const UserCityLine result = FormatUserCity(c.input);
    ASSERT_TRUE(result.line.has_value()) << result.refusal;
    EXPECT_EQ(*result.line, c.line);
    const auto back = FieldsOfUserLine(c.line);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(Shown(*back), c.shown);
  }
  EXPECT_EQ(FieldsOfUserLine("48.850 -002.350 9 3 Paris")->name, "Paris");
  EXPECT_EQ(Shown(*FieldsOfUserLine("48.9999 -002.000 9 3 C")), "49 0 N 2 0 E");
}

// Faults: a bound off by one, a control byte or ";" let through, an unencodable name taken.
TEST(UserCitiesTest, RefusesBadInput) {
  struct Case { UserCityInput input; std::string refusal; };
  const std::string lat_deg = "Latitude : degrés entiers de 0 à 90.";
  const std::string lat_min = "Latitude : minutes de 0 à moins de 60.";
  const std::string lon_deg = "Longitude : degrés entiers de 0 à 180.";
  const std::string lon_min = "Longitude : minutes de 0 à moins de 60.";
  const std::string bad_char = "Le nom ne doit contenir ni « ; » ni caractère de contrôle.";
  const std::string no_cp = "Le nom contient un caractère que le fichier des villes ne peut pas enregistrer.";
  const Case cases[] = {
      {Input("", "48", "51", true, "2", "21", true), ""},  // a beep alone
      {Input("X", "abc", "0", true, "2", "0", true), lat_deg},
      {Input("X", "-48", "0", true, "2", "0", true), lat_deg},
      {Input("X", "91", "0", true, "2", "0", true), lat_deg},
      {Input("X", "48.5", "0", true, "2", "0", true), lat_deg},
      {Input("X", "48", "60", true, "2", "0", true), lat_min},
      {Input("X", "48", "-1", true, "2", "0", true), lat_min},
      {Input("X", "90", "1", true, "2", "0", true), "Latitude : pas au-delà de 90°."},
      {Input("X", "48", "0", true, "181", "0", true), lon_deg},
      {Input("X", "48", "0", true, "2", "60", true), lon_min},
      {Input("X", "48", "0", true, "180", "0.5", true), "Longitude : pas au-delà de 180°."},
      {Input("A;B", "48", "0", true, "2", "0", true), bad_char},
      {Input("A\nB", "48", "0", true, "2", "0", true), bad_char},
      {Input("A\tB", "48", "0", true, "2", "0", true), bad_char},
      {Input("A\x1F" "B", "48", "0", true, "2", "0", true), bad_char},  // the last control byte
      {Input("A\x7F" "B", "48", "0", true, "2", "0", true), bad_char},
      {Input("Łódź", "48", "0", true, "2", "0", true), no_cp},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input.name + " " + c.input.lat_degrees + " " + c.input.lat_minutes + " " +
                 c.input.lon_degrees + " " + c.input.lon_minutes);
    const UserCityLine result = FormatUserCity(c.input);
    EXPECT_FALSE(result.line.has_value());
    EXPECT_EQ(result.refusal, c.refusal);
  }
}

// Faults: rounded instead of truncated, no clamp, 0 taken as north or east.
TEST(UserCitiesTest, ClickedPlaceIsTruncatedAndClamped) {
  struct Case { GeoPoint place; int lat_d, lat_m; bool north; int lon_d, lon_m; bool east; };
  const Case cases[] = {
      {{48.5, 2.25}, 48, 30, true, 2, 15, true},
      {{0, 0}, 0, 0, false, 0, 0, false},  // exactly 0 is south and west
      {{-33.999, -70.5}, 33, 59, false, 70, 30, false},  // truncated, not rounded
      {{95, 200}, 90, 0, true, 180, 0, true},
      {{-95, -200}, 90, 0, false, 180, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.place.lat_deg << " " << c.place.lon_east_deg);
    const UserCityFields f = FieldsOfClickedPlace(c.place);
    EXPECT_EQ(f.lat_degrees, c.lat_d);
    EXPECT_EQ(f.lat_minutes, c.lat_m);
    EXPECT_EQ(f.north, c.north);
    EXPECT_EQ(f.lon_degrees, c.lon_d);
    EXPECT_EQ(f.lon_minutes, c.lon_m);
    EXPECT_EQ(f.east, c.east);
  }
}

// Faults: lines before the header listed, an unsplittable line dropped.
TEST(UserCitiesTest, LoadsTheUserSection) {
  const std::vector<std::string> file = {
      "; France", "048.857 -002.351 0 0 Paris", "; ", " ", "; ", "; Villes d\xE9" "finies", "; ",
      "48.850 -002.350 9 3 Maison", "", " ", "n'importe quoi", "-12.050 077.033 9 3 Lima",
  };
  const auto entries = LoadUserCities(std::vector<std::string_view>(file.begin(), file.end()));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].line, "48.850 -002.350 9 3 Maison");
  EXPECT_EQ(entries[0].name, "Maison");
  // A line that cannot be split stays listed by itself, so a save keeps it.
  EXPECT_EQ(entries[1].name, "n'importe quoi");
  EXPECT_EQ(entries[2].name, "Lima");
}

// Faults: old user lines kept, LF lines rewritten, no line end before an appended header,
// a lone CR after the header doubled.
TEST(UserCitiesTest, SavedFileKeepsEverythingBeforeTheHeader) {
  const std::string header = "; Villes d\xE9" "finies";
  const std::vector<std::string> users = {"48.850 -002.350 9 3 Paris", "-12.050 077.033 9 3 Lima"};
  const std::string tail = "; \r\n48.850 -002.350 9 3 Paris\r\n-12.050 077.033 9 3 Lima\r\n";
  const std::pair<std::string, std::string> cases[] = {
      // The old user lines are replaced; LF lines before the header stay LF.
      {"; A\n1 2 3 0 x\n; \r\n \r\n; \r\n" + header + "\r\n; \r\n1 1 9 3 Old\r\n",
       "; A\n1 2 3 0 x\n; \r\n \r\n; \r\n" + header + "\r\n" + tail},
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

}  // namespace
}  // namespace pellamar
