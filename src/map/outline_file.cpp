#include "map/outline_file.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "platform/leading_number.h"

namespace pellamar {
namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// LeadingNumber of [begin, end). Plain decimals ("0.4975", "-12.5"), which
// make up nearly every outline line, are converted directly; anything else
// (blanks inside, a second point, letters) goes through the general rule.
double TokenValue(const char* begin, const char* end) {
  if (begin == end) return 0.0;
  const char first = *begin;
  const char second = end - begin > 1 ? begin[1] : '\0';
  const bool plain_start =
      IsDigit(first) || first == '.' || (first == '-' && (IsDigit(second) || second == '.'));
  if (plain_start) {
    double value = 0.0;
    const auto r = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (r.ec == std::errc() && r.ptr == end) return value;
  }
  return LeadingNumber(std::string_view(begin, static_cast<std::size_t>(end - begin)));
}

// One line [p, eol), eol at its '\n' or the end of the data.
void ParseLine(const char* p, const char* eol, double& x, float& y) {
  if (eol > p && eol[-1] == '\r') --eol;
  const void* sp = std::memchr(p, ' ', static_cast<std::size_t>(eol - p));
  if (sp) {
    const char* space = static_cast<const char*>(sp);
    x = TokenValue(p, space);  // the space itself is a blank: ignored
    y = static_cast<float>(TokenValue(space + 1, eol));
  } else {
    x = 0.0;
    y = static_cast<float>(TokenValue(p, eol));
  }
}

// Sizes the outline for the given number of lines, or says it is too long.
bool Allocate(std::size_t lines, OutlineLoad& load) {
  if (lines > kOutlineCapacity) {
    load.status = OutlineStatus::TooLong;
    return false;
  }
  load.outline.x.resize(lines);
  load.outline.y.resize(lines);
  return true;
}

}  // namespace

OutlineLoad ParseOutline(std::string_view bytes) {
  OutlineLoad load;
  // Count the lines first so the buffers are sized once and an over-long
  // file is refused before any parsing.
  std::size_t lines = 0;
  for (const char* p = bytes.data(), *end = p + bytes.size(); p < end; ++lines) {
    const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
    p = nl ? static_cast<const char*>(nl) + 1 : end;
  }
  if (!Allocate(lines, load)) return load;
  double* xs = load.outline.x.data();
  float* ys = load.outline.y.data();

  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  for (std::size_t i = 0; i < lines; ++i) {
    const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
    const char* eol = nl ? static_cast<const char*>(nl) : end;
    ParseLine(p, eol, xs[i], ys[i]);
    p = nl ? eol + 1 : end;
  }
  return load;
}

// The file is read twice in small pieces, never whole: a first pass counts
// its lines, the second parses them. Holding the text of the largest file
// (4 MB) next to its points cost more than the points, and the freed text
// stayed in the process's heap.
OutlineLoad ReadOutlineFile(const std::filesystem::path& path) {
  OutlineLoad failed;
  failed.status = OutlineStatus::CannotOpen;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return failed;
  constexpr std::size_t kPiece = 1 << 16;
  const std::unique_ptr<char[]> piece(new char[kPiece]);

  // Lines as ParseOutline counts them: one per '\n', and a last one
  // without it.
  std::size_t lines = 0;
  bool open_line = false;
  for (;;) {
    const std::size_t n = std::fread(piece.get(), 1, kPiece, file.get());
    for (const char* p = piece.get(), *end = p + n; p < end; ++lines) {
      const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
      if (!nl) break;
      p = static_cast<const char*>(nl) + 1;
    }
    if (n > 0) open_line = piece[n - 1] != '\n';
    if (n < kPiece) break;
  }
  if (std::ferror(file.get())) return failed;
  if (open_line) ++lines;
  OutlineLoad load;
  if (!Allocate(lines, load)) return load;
  double* xs = load.outline.x.data();
  float* ys = load.outline.y.data();

  std::rewind(file.get());
  std::string split;  // a line cut by the end of a piece
  std::size_t i = 0;
  while (i < lines) {
    const std::size_t n = std::fread(piece.get(), 1, kPiece, file.get());
    const char* p = piece.get();
    const char* const end = p + n;
    while (i < lines) {
      const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
      if (!nl) {
        split.append(p, end);
        break;
      }
      const char* eol = static_cast<const char*>(nl);
      if (split.empty()) {
        ParseLine(p, eol, xs[i], ys[i]);
      } else {
        split.append(p, eol);
        ParseLine(split.data(), split.data() + split.size(), xs[i], ys[i]);
        split.clear();
      }
      ++i;
      p = eol + 1;
    }
    if (n < kPiece) break;
  }
  if (std::ferror(file.get())) return failed;
  if (i < lines && !split.empty()) {
    ParseLine(split.data(), split.data() + split.size(), xs[i], ys[i]);
    ++i;
  }
  // A file shortened between the two passes keeps the lines it still had.
  load.outline.x.resize(i);
  load.outline.y.resize(i);
  return load;
}

}  // namespace pellamar
