#include "convert/cp1252.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

namespace pellamar::tools {
namespace {

// Windows-1252 bytes 0x80–0x9F; 0 where the code page leaves the byte unused.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Base letters of U+0100–U+017F (Latin Extended-A), in order; '\0' where the
// character needs more than one letter or is in Windows-1252 itself.
constexpr std::string_view kLatinExtendedA{
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi\0\0JjKkkLlLlLlLlLlNnNnNn\0NnOoOoOo\0\0"
    "RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYy\0ZzZzZzs",
    128};

// Code point → replacement text, for what Windows-1252 lacks.
std::optional<std::string_view> Transliterate(char32_t c) {
  if (c >= 0x100 && c <= 0x17F) {
    switch (c) {
      case 0x132: return "IJ";
      case 0x133: return "ij";
      case 0x149: return "n";
      case 0x152: return "\x8C";
      case 0x153: return "\x9C";
      case 0x160: return "\x8A";
      case 0x161: return "\x9A";
      case 0x178: return "\x9F";
      case 0x17D: return "\x8E";
      case 0x17E: return "\x9E";
      default: break;
    }
    const std::size_t i = c - 0x100;
    if (i < kLatinExtendedA.size() && kLatinExtendedA[i] != '\0') return kLatinExtendedA.substr(i, 1);
    return std::nullopt;
  }
  switch (c) {
    // Latin Extended-B and IPA letters met in place names.
    case 0x180: case 0x183: return "b";
    case 0x18F: return "E";
    case 0x259: return "e";
    case 0x197: return "I";
    case 0x1A0: return "O";
    case 0x1A1: return "o";
    case 0x1AF: return "U";
    case 0x1B0: return "u";
    case 0x1B7: return "Z";
    case 0x292: return "z";
    case 0x1CD: return "A";
    case 0x1CE: return "a";
    case 0x1CF: return "I";
    case 0x1D0: return "i";
    case 0x1D1: return "O";
    case 0x1D2: return "o";
    case 0x1D3: return "U";
    case 0x1D4: return "u";
    case 0x1E6: return "G";
    case 0x1E7: return "g";
    case 0x1EA: return "O";
    case 0x1EB: return "o";
    case 0x1F4: return "G";
    case 0x1F5: return "g";
    case 0x218: return "S";
    case 0x219: return "s";
    case 0x21A: return "T";
    case 0x21B: return "t";
    case 0x21E: return "H";
    case 0x21F: return "h";
    case 0x1DD: return "e";
    case 0x254: return "o";
    case 0x186: return "O";
    case 0x25B: return "e";
    case 0x190: return "E";
    case 0x263: return "g";
    case 0x272: return "n";
    // Modifier letters and punctuation that stand for apostrophes.
    case 0x2B9: case 0x2BB: case 0x2BC: case 0x2BE: case 0x2BF: case 0x2C8: case 0x2032: return "'";
    case 0x2010: case 0x2011: return "-";
    default: break;
  }
  // Latin Extended Additional: the dotted, hooked and Vietnamese letters.
  if (c >= 0x1EA0 && c <= 0x1EF9) {
    // Vowel groups of U+1EA0–U+1EF9, two code points (capital, small) each.
    if (c <= 0x1EB7) return (c & 1) ? "a" : "A";
    if (c <= 0x1EC7) return (c & 1) ? "e" : "E";
    if (c <= 0x1ECB) return (c & 1) ? "i" : "I";
    if (c <= 0x1EE3) return (c & 1) ? "o" : "O";
    if (c <= 0x1EF1) return (c & 1) ? "u" : "U";
    return (c & 1) ? "y" : "Y";
  }
  if (c >= 0x1E00 && c <= 0x1E9F) {
    // Letters with dots, lines and rings below or above, in alphabetical
    // runs; listed by range start, each run alternating capital and small.
    struct Run { char32_t first, last; char letter; };
    static constexpr Run kRuns[] = {
        {0x1E00, 0x1E01, 'a'}, {0x1E02, 0x1E07, 'b'}, {0x1E08, 0x1E09, 'c'}, {0x1E0A, 0x1E13, 'd'},
        {0x1E14, 0x1E1D, 'e'}, {0x1E1E, 0x1E1F, 'f'}, {0x1E20, 0x1E21, 'g'}, {0x1E22, 0x1E2B, 'h'},
        {0x1E2C, 0x1E2F, 'i'}, {0x1E30, 0x1E35, 'k'}, {0x1E36, 0x1E3D, 'l'}, {0x1E3E, 0x1E43, 'm'},
        {0x1E44, 0x1E4B, 'n'}, {0x1E4C, 0x1E53, 'o'}, {0x1E54, 0x1E57, 'p'}, {0x1E58, 0x1E5F, 'r'},
        {0x1E60, 0x1E69, 's'}, {0x1E6A, 0x1E71, 't'}, {0x1E72, 0x1E7B, 'u'}, {0x1E7C, 0x1E7F, 'v'},
        {0x1E80, 0x1E89, 'w'}, {0x1E8A, 0x1E8D, 'x'}, {0x1E8E, 0x1E8F, 'y'}, {0x1E90, 0x1E95, 'z'},
        {0x1E96, 0x1E96, 'h'}, {0x1E97, 0x1E97, 't'}, {0x1E98, 0x1E98, 'w'}, {0x1E99, 0x1E99, 'y'}};
    static constexpr std::string_view kLetters = "abcdefghiklmnoprstuvwxyz";
    static constexpr std::string_view kCapitals = "ABCDEFGHIKLMNOPRSTUVWXYZ";
    for (const Run& run : kRuns) {
      if (c < run.first || c > run.last) continue;
      const std::size_t at = kLetters.find(run.letter);
      const bool small = c >= 0x1E96 || ((c - 0x1E00) & 1) != 0;
      return small ? kLetters.substr(at, 1) : kCapitals.substr(at, 1);
    }
  }
  // Combining accents (a name written decomposed) are simply left out.
  if (c >= 0x300 && c <= 0x36F) return "";
  return std::nullopt;
}

// Next code point of UTF-8 text, or nothing for a malformed sequence (one
// byte is then consumed).
std::optional<char32_t> NextCodePoint(std::string_view s, std::size_t& pos) {
  const auto b0 = static_cast<unsigned char>(s[pos++]);
  if (b0 < 0x80) return b0;
  int extra = 0;
  char32_t c = 0;
  if ((b0 & 0xE0) == 0xC0) { extra = 1; c = b0 & 0x1F; }
  else if ((b0 & 0xF0) == 0xE0) { extra = 2; c = b0 & 0x0F; }
  else if ((b0 & 0xF8) == 0xF0) { extra = 3; c = b0 & 0x07; }
  else return std::nullopt;
  if (s.size() - pos < static_cast<std::size_t>(extra)) return std::nullopt;
  for (int k = 0; k < extra; ++k) {
    const auto b = static_cast<unsigned char>(s[pos]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (b & 0x3F);
    ++pos;
  }
  return c;
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8, int* dropped) {
  std::string out;
  int lost = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const auto c = NextCodePoint(utf8, pos);
    if (!c) {
      ++lost;
      continue;
    }
    if (*c < 0x80 || (*c >= 0xA0 && *c <= 0xFF)) {
      out.push_back(static_cast<char>(*c));
      continue;
    }
    bool found = false;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
      if (kHighControls[i] != 0 && kHighControls[i] == *c) {
        out.push_back(static_cast<char>(0x80 + i));
        found = true;
        break;
      }
    }
    if (found) continue;
    if (const auto text = Transliterate(*c)) {
      out += *text;
    } else {
      ++lost;
    }
  }
  if (dropped != nullptr) *dropped = lost;
  return out;
}

std::string FoldForSorting(std::string_view cp1252) {
  // Base letters of 0xC0–0xFF; '\0' for the few that are not letters.
  static constexpr std::string_view kFold{
      "aaaaaaaceeeeiiiidnooooo\0ouuuuyts"
      "aaaaaaaceeeeiiiidnooooo\0ouuuuyty",
      64};
  std::string out;
  for (const char ch : cp1252) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 'A' && b <= 'Z') out.push_back(static_cast<char>(b - 'A' + 'a'));
    else if (b == 0x8C || b == 0x9C) out += "oe";
    else if (b == 0xC6 || b == 0xE6) out += "ae";
    else if (b == 0x8A || b == 0x9A) out.push_back('s');
    else if (b == 0x8E || b == 0x9E) out.push_back('z');
    else if (b == 0x9F) out.push_back('y');
    else if (b >= 0xC0 && kFold[b - 0xC0] != '\0') out.push_back(kFold[b - 0xC0]);
    else out.push_back(static_cast<char>(b));
  }
  return out;
}

bool FrenchBefore(std::string_view a, std::string_view b) {
  const auto letters = [](const std::string& folded) {
    std::string out;
    for (const char c : folded) {
      const auto u = static_cast<unsigned char>(c);
      if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9')) out.push_back(c);
    }
    return out;
  };
  const std::string fa = FoldForSorting(a);
  const std::string fb = FoldForSorting(b);
  const std::string la = letters(fa);
  const std::string lb = letters(fb);
  return std::tie(la, fa, a) < std::tie(lb, fb, b);
}

}  // namespace pellamar::tools
