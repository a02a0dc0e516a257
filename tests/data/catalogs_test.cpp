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

TEST(CatalogsTest, CountryNames) {
  // The first of several names; JSON escapes, a surrogate pair among them.
  EXPECT_EQ(ParseCountryNames(R"({"locale": "fr", "countries": {"FR": "France",
                "GB": ["Royaume-Uni", "Grande-Bretagne"], "CI": "C\u00f4te d'Ivoire",
                "XQ": "A \"quoted\" \\ name \ud83d\ude00"}})"),
            (Names{{"FR", "France"}, {"GB", "Royaume-Uni"}, {"CI", "C\xC3\xB4te d'Ivoire"},
                   {"XQ", "A \"quoted\" \\ name \xF0\x9F\x98\x80"}}));
  for (const char* bad : {"", "[]", R"({"locale": "fr"})", R"({"countries": {"FR": 3}})",
                          R"({"countries": {"FR": "France"}} trailing)"}) {
    EXPECT_FALSE(ParseCountryNames(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace pellamar::tools
