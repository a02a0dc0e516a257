#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

namespace pellamar {

// Points one outline file may hold (lines 0 to 200,000).
inline constexpr std::size_t kOutlineCapacity = 200001;

// One outline file as read: point i is (x[i], y[i]). x = (longitude + 180)/360
// kept as a double, y = (latitude + 90)/(180·√2) kept as a float. An x above 1
// is a break between polylines; the first (0, 0) point ends the data.
struct Outline {
  std::vector<double> x;
  std::vector<float> y;
  std::size_t size() const { return x.size(); }
};

enum class OutlineStatus { Ok, CannotOpen, TooLong };

struct OutlineLoad {
  OutlineStatus status = OutlineStatus::Ok;
  Outline outline;  // empty unless status is Ok
};

// Parses the bytes of an outline file: one point a line, lines ending in
// CR LF or LF. Each line is split at its first space; the text before it
// (space included) gives x, the text after it y, both by LeadingNumber. A
// line without a space gives x = 0 and y from the whole line. A file of more
// than kOutlineCapacity lines is TooLong and yields no point.
[[nodiscard]] OutlineLoad ParseOutline(std::string_view bytes);

// Reads and parses the file; CannotOpen when it cannot be read.
[[nodiscard]] OutlineLoad ReadOutlineFile(const std::filesystem::path& path);

}  // namespace pellamar
