#include "convert/catalogs.h"

#include <cstdint>
#include <vector>

namespace pellamar::tools {
namespace {

std::optional<std::uint32_t> Word(std::string_view bytes, std::size_t at, bool swap) {
  if (at > bytes.size() || bytes.size() - at < 4) return std::nullopt;
  std::uint32_t v = 0;
  for (int k = 0; k < 4; ++k) {
    const auto b = static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(swap ? k : 3 - k)]);
    v = (v << 8) | b;
  }
  return v;
}

// String k of the table at `table` (length then offset, 8 bytes an entry).
std::optional<std::string_view> TableString(std::string_view bytes, std::uint32_t table, std::uint32_t k,
                                            bool swap) {
  const std::size_t entry = static_cast<std::size_t>(table) + 8u * k;
  const auto length = Word(bytes, entry, swap);
  const auto offset = Word(bytes, entry + 4, swap);
  if (!length || !offset || *offset > bytes.size() || bytes.size() - *offset < *length) return std::nullopt;
  return bytes.substr(*offset, *length);
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// A small reader for the one JSON shape the country list has.
class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : s_(text) {}

  void SkipBlanks() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\r' || s_[pos_] == '\t')) ++pos_;
  }
  bool Eat(char c) {
    SkipBlanks();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  bool Peek(char c) {
    SkipBlanks();
    return pos_ < s_.size() && s_[pos_] == c;
  }
  std::optional<std::string> String() {
    if (!Eat('"')) return std::nullopt;
    std::string out;
    while (pos_ < s_.size()) {
      const char c = s_[pos_++];
      if (c == '"') return out;
      if (c != '\\') {
        out.push_back(c);
        continue;
      }
      if (pos_ >= s_.size()) return std::nullopt;
      const char e = s_[pos_++];
      switch (e) {
        case 'n': out.push_back('\n'); break;
        case 't': out.push_back('\t'); break;
        case 'r': out.push_back('\r'); break;
        case 'b': out.push_back('\b'); break;
        case 'f': out.push_back('\f'); break;
        case 'u': {
          const auto unit = Hex4();
          if (!unit) return std::nullopt;
          char32_t c32 = *unit;
          if (c32 >= 0xD800 && c32 < 0xDC00 && s_.substr(pos_, 2) == "\\u") {
            pos_ += 2;
            const auto low = Hex4();
            if (!low) return std::nullopt;
            c32 = 0x10000 + ((c32 - 0xD800) << 10) + (*low - 0xDC00);
          }
          AppendUtf8(out, c32);
          break;
        }
        default: out.push_back(e); break;  // \" \\ \/
      }
    }
    return std::nullopt;
  }
  bool AtEnd() {
    SkipBlanks();
    return pos_ == s_.size();
  }

 private:
  std::optional<char32_t> Hex4() {
    if (s_.size() - pos_ < 4) return std::nullopt;
    char32_t v = 0;
    for (int k = 0; k < 4; ++k) {
      const char c = s_[pos_++];
      v <<= 4;
      if (c >= '0' && c <= '9') v |= static_cast<char32_t>(c - '0');
      else if (c >= 'a' && c <= 'f') v |= static_cast<char32_t>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') v |= static_cast<char32_t>(c - 'A' + 10);
      else return std::nullopt;
    }
    return v;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<std::map<std::string, std::string>> ParseMoCatalog(std::string_view bytes) {
  const auto magic = Word(bytes, 0, false);
  if (!magic) return std::nullopt;
  bool swap = false;
  if (*magic == 0xDE120495u) swap = true;
  else if (*magic != 0x950412DEu) return std::nullopt;
  const auto count = Word(bytes, 8, swap);
  const auto originals = Word(bytes, 12, swap);
  const auto translations = Word(bytes, 16, swap);
  if (!count || !originals || !translations) return std::nullopt;
  std::map<std::string, std::string> out;
  for (std::uint32_t k = 0; k < *count; ++k) {
    const auto id = TableString(bytes, *originals, k, swap);
    const auto text = TableString(bytes, *translations, k, swap);
    if (!id || !text) return std::nullopt;
    if (id->empty() || id->find('\0') != std::string_view::npos) continue;
    out.emplace(std::string(*id), std::string(*text));
  }
  return out;
}

std::optional<std::map<std::string, IsoCountry>> ParseIsoCountries(std::string_view json) {
  JsonReader in(json);
  if (!in.Eat('{')) return std::nullopt;
  std::map<std::string, IsoCountry> out;
  bool seen_list = false;
  while (!in.Peek('}')) {
    const auto key = in.String();
    if (!key || *key != "3166-1" || seen_list || !in.Eat(':') || !in.Eat('[')) return std::nullopt;
    seen_list = true;
    while (!in.Peek(']')) {
      if (!in.Eat('{')) return std::nullopt;
      std::string code;
      IsoCountry country;
      while (!in.Peek('}')) {
        const auto field = in.String();
        if (!field || !in.Eat(':')) return std::nullopt;
        auto value = in.String();
        if (!value) return std::nullopt;
        if (*field == "alpha_2") code = std::move(*value);
        else if (*field == "name") country.name = std::move(*value);
        else if (*field == "common_name") country.common_name = std::move(*value);
        if (!in.Eat(',')) break;
      }
      if (!in.Eat('}')) return std::nullopt;
      if (!code.empty() && !country.name.empty()) out.insert_or_assign(std::move(code), std::move(country));
      if (!in.Eat(',')) break;
    }
    if (!in.Eat(']')) return std::nullopt;
    if (!in.Eat(',')) break;
  }
  if (!in.Eat('}') || !in.AtEnd() || !seen_list) return std::nullopt;
  return out;
}

}  // namespace pellamar::tools
