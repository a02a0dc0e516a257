#include "convert/catalogs.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace pellamar::tools {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;
using Names = std::map<std::string, std::string>;

// A compiled gettext catalogue holding the entries, in the given byte order.
std::string MoFile(const Entries& entries, bool big) {
  std::string out, data;
  const auto word = [&](std::size_t v) {
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>(v >> (big ? 24 - 8 * k : 8 * k)));
  };
  const std::size_t n = entries.size();  // the header, then the tables of ids and of translations
  const std::size_t header[] = {0x950412DE, 0, n, 28, 28 + 8 * n, 0, 0};
  for (const std::size_t v : header) word(v);
  for (const bool translation : {false, true}) {
    for (const auto& [id, text] : entries) {
      const std::string& s = translation ? text : id;
      word(s.size());
      word(28 + 16 * n + data.size());
      data += s + '\0';
    }
  }
  return out + data;
}

// Catches a byte order not swapped or a length past the end trusted.
TEST(CatalogsTest, MoCatalogInBothByteOrders) {
  // The header (empty id) and plural forms (an id holding a NUL) are left out.
  const Entries entries = {{"", "Content-Type: text/plain\n"}, {"1816670", "P\xC3\xA9kin"},
                           {"360630", "Le Caire"}, {std::string("one\0many", 8), "x"}};
  const Names expected = {{"1816670", "P\xC3\xA9kin"}, {"360630", "Le Caire"}};
  EXPECT_EQ(ParseMoCatalog(MoFile(entries, false)), expected);
  EXPECT_EQ(ParseMoCatalog(MoFile(entries, true)), expected);
  EXPECT_FALSE(ParseMoCatalog("not a catalogue at all").has_value());
  std::string mo = MoFile({{"1", "a"}}, false);
  mo[36] = '\x7F';  // the translation's length, far past the end
  EXPECT_FALSE(ParseMoCatalog(mo).has_value());
}

// Catches a wrong UTF-8 length boundary or a surrogate pair decoded without
// its 0x10000 offset.
TEST(CatalogsTest, IsoCountryList) {
  // Every value a string; escapes decoded; an entry without a code or a name
  // left out; the last entry for a code wins.
  const auto countries = ParseIsoCountries(R"({"3166-1": [
      {"alpha_2": "FR", "alpha_3": "FRA", "name": "France", "numeric": "250"},
      {"alpha_2": "KR", "common_name": "South Korea", "name": "Korea, Republic of"},
      {"alpha_2": "CI", "name": "C\u00f4te d'Ivoire", "official_name": "R\u00e9publique"},
      {"alpha_3": "XXX", "name": "No code"}, {"alpha_2": "XN"},
      {"alpha_2": "GB", "name": "Old"}, {"alpha_2": "GB", "name": "United Kingdom"},
      {"alpha_2": "ZZ", "name": "Z\u0800\ud83d\ude00"}]})");
  ASSERT_TRUE(countries.has_value());
  std::vector<std::string> seen;
  for (const auto& [code, c] : *countries) seen.push_back(code + '|' + c.name + '|' + c.common_name);
  EXPECT_EQ(seen, (std::vector<std::string>{"CI|C\xC3\xB4te d'Ivoire|", "FR|France|", "GB|United Kingdom|",
                                            "KR|Korea, Republic of|South Korea",
                                            "ZZ|Z\xE0\xA0\x80\xF0\x9F\x98\x80|"}));  // 3 and 4 bytes
  for (const char* bad : {"", "[]", R"({"3166-2": []})", R"({"3166-1": [{"alpha_2": 3}]})",
                          R"({"3166-1": [{"alpha_2": "FR", "name": "France"}]} trailing)",
                          R"({"3166-1": [{"alpha_2": "FR")", R"({"3166-1": [], "3166-1": []})"}) {
    EXPECT_FALSE(ParseIsoCountries(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace pellamar::tools
