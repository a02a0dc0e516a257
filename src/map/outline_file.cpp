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
  if (lines > kOutlineCapacity) {
    load.status = OutlineStatus::TooLong;
    return load;
  }
  load.outline.x.resize(lines);
  load.outline.y.resize(lines);
  double* xs = load.outline.x.data();
  float* ys = load.outline.y.data();

  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  for (std::size_t i = 0; i < lines; ++i) {
    const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
    const char* eol = nl ? static_cast<const char*>(nl) : end;
    const char* next = nl ? eol + 1 : end;
    if (eol > p && eol[-1] == '\r') --eol;
    const void* sp = std::memchr(p, ' ', static_cast<std::size_t>(eol - p));
    if (sp) {
      const char* space = static_cast<const char*>(sp);
      xs[i] = TokenValue(p, space);  // the space itself is a blank: ignored
      ys[i] = static_cast<float>(TokenValue(space + 1, eol));
    } else {
      xs[i] = 0.0;
      ys[i] = static_cast<float>(TokenValue(p, eol));
    }
    p = next;
  }
  return load;
}

OutlineLoad ReadOutlineFile(const std::filesystem::path& path) {
  OutlineLoad failed;
  failed.status = OutlineStatus::CannotOpen;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return failed;
  std::string bytes;
  char chunk[1 << 16];
  for (;;) {
    const std::size_t n = std::fread(chunk, 1, sizeof chunk, file.get());
    bytes.append(chunk, n);
    if (n < sizeof chunk) break;
  }
  if (std::ferror(file.get())) return failed;
  return ParseOutline(bytes);
}

}  // namespace pellamar
