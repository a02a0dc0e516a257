#include "places/cp1252.h"

#include <array>
#include <cstdint>

namespace pellamar {
namespace {

// Code point of every byte. 0x00–0x7F and 0xA0–0xFF are Latin-1; 0x80–0x9F
// are the code page's own letters and signs.
constexpr std::array<char32_t, 256> MakeTable() {
  std::array<char32_t, 256> t{};
  for (int b = 0; b < 256; ++b) t[b] = static_cast<char32_t>(b);
  constexpr char32_t high[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80–87
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88–8F
      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90–97
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98–9F
  };
  for (int i = 0; i < 32; ++i) t[0x80 + i] = high[i];
  return t;
}

constexpr std::array<char32_t, 256> kToUnicode = MakeTable();

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// The byte of a code point, or -1 when the code page lacks it.
int ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int b = 0x80; b < 0xA0; ++b) {
    if (kToUnicode[b] == c) return b;
  }
  return -1;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char b : bytes) AppendUtf8(out, kToUnicode[static_cast<unsigned char>(b)]);
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int extra = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      c = lead & 0x07;
    } else {
      return std::nullopt;
    }
    if (extra > 0 && i + static_cast<std::size_t>(extra) >= utf8.size()) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
      const auto cont = static_cast<unsigned char>(utf8[i + k]);
      if ((cont & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (cont & 0x3F);
    }
    i += 1 + extra;
    const int byte = ByteOf(c);
    if (byte < 0) return std::nullopt;
    out.push_back(static_cast<char>(byte));
  }
  return out;
}

std::string Cp1252Lower(std::string_view bytes) {
  std::string out(bytes);
  for (char& ch : out) {
    const auto b = static_cast<unsigned char>(ch);
    int lower = b;
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
      lower = b + 0x20;
    } else if (b == 0x8A || b == 0x8C || b == 0x8E) {
      lower = b + 0x10;  // Š Œ Ž
    } else if (b == 0x9F) {
      lower = 0xFF;  // Ÿ
    }
    ch = static_cast<char>(lower);
  }
  return out;
}

}  // namespace pellamar
