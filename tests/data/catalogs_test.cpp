#include "convert/catalogs.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace pellamar::tools {
namespace {

// A compiled gettext catalogue holding the entries, in the given byte order.
std::string MoFile(const std::vector<std::pair<std::string, std::string>>& entries, bool big_endian) {
  auto word = [big_endian](std::string& out, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) {
      const int shift = big_endian ? 24 - 8 * k : 8 * k;
      out.push_back(static_cast<char>((v >> shift) & 0xFF));
    }
  };
  const auto n = static_cast<std::uint32_t>(entries.size());
  const std::uint32_t originals = 28;
  const std::uint32_t translations = originals + 8 * n;
  std::uint32_t strings = translations + 8 * n;
  std::string head, table_o, table_t, data;
  word(head, 0x950412DE);
  word(head, 0);
  word(head, n);
  word(head, originals);
  word(head, translations);
  word(head, 0);
  word(head, 0);
  for (const auto& [id, text] : entries) {
    word(table_o, static_cast<std::uint32_t>(id.size()));
    word(table_o, strings + static_cast<std::uint32_t>(data.size()));
    data += id + '\0';
  }
  for (const auto& [id, text] : entries) {
    word(table_t, static_cast<std::uint32_t>(text.size()));
    word(table_t, strings + static_cast<std::uint32_t>(data.size()));
    data += text + '\0';
  }
  return head + table_o + table_t + data;
}

TEST(CatalogsTest, MoCatalogInBothByteOrders) {
  const std::vector<std::pair<std::string, std::string>> entries = {
      {"", "Content-Type: text/plain; charset=UTF-8\n"},  // header: left out
      {"1816670", "P\xC3\xA9kin"},
      {"360630", "Le Caire"},
      {std::string("one\0many", 8), "x"},  // plural form: left out
  };
  for (const bool big : {false, true}) {
    SCOPED_TRACE(big ? "big-endian" : "little-endian");
    const auto catalog = ParseMoCatalog(MoFile(entries, big));
    ASSERT_TRUE(catalog.has_value());
    EXPECT_EQ(catalog->size(), 2u);
    EXPECT_EQ(catalog->at("1816670"), "P\xC3\xA9kin");
    EXPECT_EQ(catalog->at("360630"), "Le Caire");
  }
}

TEST(CatalogsTest, MoCatalogRejectsOtherFilesAndBadOffsets) {
  EXPECT_FALSE(ParseMoCatalog("not a catalogue at all").has_value());
  std::string mo = MoFile({{"1", "a"}}, false);
  mo[36] = '\x7F';  // offset of the first original string, far past the end
  EXPECT_FALSE(ParseMoCatalog(mo).has_value());
}

TEST(CatalogsTest, CountryNames) {
  const auto names = ParseCountryNames(R"({
    "locale": "fr",
    "countries": {
      "FR": "France",
      "GB": ["Royaume-Uni", "Grande-Bretagne"],
      "CI": "C\u00f4te d'Ivoire",
      "XQ": "A \"quoted\" \\ name \ud83d\ude00"
    }
  })");
  ASSERT_TRUE(names.has_value());
  EXPECT_EQ(names->size(), 4u);
  EXPECT_EQ(names->at("GB"), "Royaume-Uni");
  EXPECT_EQ(names->at("CI"), "C\xC3\xB4te d'Ivoire");
  EXPECT_EQ(names->at("XQ"), "A \"quoted\" \\ name \xF0\x9F\x98\x80");

  for (const char* bad : {"", "[]", R"({"locale": "fr"})", R"({"countries": {"FR": 3}})",
                          R"({"countries": {"FR": "France"}} trailing)"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseCountryNames(bad).has_value());
  }
}

}  // namespace
}  // namespace pellamar::tools
