#include "map/outline_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace pellamar {
namespace {

TEST(OutlineFileTest, ReadsLinesEndingInCrLfOrLf) {
  for (const std::string eol : {"\r\n", "\n"}) {
    SCOPED_TRACE(eol.size());
    const OutlineLoad load = ParseOutline("0.5 0.25" + eol + "0.75 0.5" + eol + "2 0" + eol + "0.1 0.7");
    ASSERT_EQ(load.status, OutlineStatus::Ok);
    ASSERT_EQ(load.outline.size(), 4u);
    EXPECT_DOUBLE_EQ(load.outline.x[0], 0.5);
    EXPECT_FLOAT_EQ(load.outline.y[0], 0.25f);
    EXPECT_DOUBLE_EQ(load.outline.x[2], 2);  // a break
    EXPECT_DOUBLE_EQ(load.outline.x[3], 0.1);
    EXPECT_FLOAT_EQ(load.outline.y[3], 0.7f);
  }
  // An empty line in the middle is a (0, 0) point, which ends the data for
  // the drawing; the lines after it are still read.
  const OutlineLoad gap = ParseOutline("0.5 0.25\r\n\r\n0.75 0.5\r\n");
  ASSERT_EQ(gap.outline.size(), 3u);
  EXPECT_EQ(gap.outline.x[1], 0);
  EXPECT_EQ(gap.outline.y[1], 0);
  EXPECT_DOUBLE_EQ(gap.outline.x[2], 0.75);
}

TEST(OutlineFileTest, LinesFollowTheTextToNumberRule) {
  const struct { const char* line; double x; float y; } cases[] = {
      {"0.5", 0, 0.5f},                    // no space: x 0, the whole line is y
      {"", 0, 0},                          // an empty line: the end of the data
      {"0 0", 0, 0},
      {" 0.5 0.25", 0, 0.5f},              // x text is the space alone; "0.50.25" stops at the second point
      {"0.123456789012 0.5", 0.123456789012, 0.5f},
      {"0.5 0.2 5", 0.5, 0.25f},           // blanks inside are ignored
      {"0.5 0.25abc", 0.5, 0.25f},         // reading stops at a letter
      {"abc 0.25", 0, 0.25f},
      {"-0.5 .25", -0.5, 0.25f},
      {"1e3 0.25", 1, 0.25f},              // no exponents
      {"0.5 0.2.5", 0.5, 0.2f},            // one decimal point
      {"0.5\t0.25", 0, 0.5f},              // a tab does not split; the whole line is y
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const OutlineLoad load = ParseOutline(c.line);
    ASSERT_EQ(load.status, OutlineStatus::Ok);
    if (load.outline.size() == 0) {
      EXPECT_STREQ(c.line, "");
      continue;
    }
    EXPECT_DOUBLE_EQ(load.outline.x[0], c.x);
    EXPECT_FLOAT_EQ(load.outline.y[0], c.y);
  }
}

TEST(OutlineFileTest, CapacityIs200001Lines) {
  std::string text;
  for (std::size_t i = 0; i < kOutlineCapacity; ++i) text += "0.5 0.3\r\n";
  EXPECT_EQ(ParseOutline(text).status, OutlineStatus::Ok);
  EXPECT_EQ(ParseOutline(text).outline.size(), kOutlineCapacity);
  text += "0.5 0.3\r\n";
  const OutlineLoad too_long = ParseOutline(text);
  EXPECT_EQ(too_long.status, OutlineStatus::TooLong);
  EXPECT_EQ(too_long.outline.size(), 0u);
}

// Hostile files, written to a temporary folder: each is read as points or
// refused as too long, in bounded time, never a crash.
TEST(OutlineFileTest, RandomBytesHugeFilesAndHugeLines) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("pellamar_outline_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(dir);
  const auto write = [&dir](const char* name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return dir / name;
  };

  std::mt19937 random(11);
  std::string noise(1 << 20, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  std::size_t noise_lines = std::count(noise.begin(), noise.end(), '\n') + (noise.back() != '\n');
  const OutlineLoad from_noise = ReadOutlineFile(write("noise.Asc", noise));
  EXPECT_EQ(from_noise.status, OutlineStatus::Ok);
  EXPECT_EQ(from_noise.outline.size(), noise_lines);

  std::string many;
  for (int i = 0; i < 300000; ++i) many += "0.5 0.3\r\n";
  const OutlineLoad from_many = ReadOutlineFile(write("many.Asc", many));
  EXPECT_EQ(from_many.status, OutlineStatus::TooLong);
  EXPECT_EQ(from_many.outline.size(), 0u);

  // One 10 MB line: its digits overflow every number, so it reads as 0.
  const std::string digits(10'000'000, '7');
  const OutlineLoad from_long_line = ReadOutlineFile(write("line.Asc", "0.5 " + digits));
  ASSERT_EQ(from_long_line.status, OutlineStatus::Ok);
  ASSERT_EQ(from_long_line.outline.size(), 1u);
  EXPECT_EQ(from_long_line.outline.x[0], 0.5);
  EXPECT_EQ(from_long_line.outline.y[0], 0.0f);
  const OutlineLoad from_no_space = ReadOutlineFile(write("nospace.Asc", digits + "\n"));
  ASSERT_EQ(from_no_space.outline.size(), 1u);
  EXPECT_EQ(from_no_space.outline.y[0], 0.0f);
  std::filesystem::remove_all(dir);
}

TEST(OutlineFileTest, MissingFileCannotBeOpened) {
  EXPECT_EQ(ReadOutlineFile("/nonexistent/folder/totale.Asc").status, OutlineStatus::CannotOpen);
  const auto dir = std::filesystem::temp_directory_path();
  EXPECT_EQ(ReadOutlineFile(dir).status, OutlineStatus::CannotOpen);  // a folder
}

// The file is read in 64 KiB pieces: lines cut by a piece's end (between
// '\r' and '\n' too), a line longer than a piece and a last line without
// its end must read exactly as the same bytes parsed whole.
TEST(OutlineFileTest, ReadingAFileMatchesParsingItsBytes) {
  constexpr std::size_t kPiece = 1 << 16;
  const auto digits = [](int n) {
    char text[12];
    return std::string(text, std::to_chars(text, text + sizeof text, n).ptr);
  };
  std::string varied;
  for (int i = 0; varied.size() < 3 * kPiece; ++i) {
    varied += digits(i % 997) + "." + std::string(static_cast<std::size_t>(i % 7), '3') +
              (i % 11 == 0 ? "\n" : " 0.25" + digits(i % 13) + "\r\n");
  }
  varied += "0.125 0.5";  // no line end
  const std::string cr_at_cut =
      "0." + std::string(kPiece - 11, '1') + " 0.42222\r\n0.75 0.125\r\n";
  ASSERT_EQ(cr_at_cut[kPiece - 1], '\r');
  const std::string long_line = "0.5 0.2" + std::string(3 * kPiece, '5') + "\n2 0\n0.25 0.125\n";

  const auto path = std::filesystem::temp_directory_path() /
                    ("outline_read_" + digits(::getpid()) + ".Asc");
  const struct { const char* name; std::string bytes; } cases[] = {
      {"varied lines", varied}, {"CR at the cut", cr_at_cut}, {"a line of 3 pieces", long_line}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::ofstream(path, std::ios::binary) << c.bytes;
    const OutlineLoad read = ReadOutlineFile(path);
    const OutlineLoad parsed = ParseOutline(c.bytes);
    ASSERT_EQ(read.status, OutlineStatus::Ok);
    ASSERT_GE(parsed.outline.size(), 2u);
    EXPECT_EQ(read.outline.x, parsed.outline.x);
    EXPECT_EQ(read.outline.y, parsed.outline.y);
  }
  std::string lines;
  for (std::size_t i = 0; i <= kOutlineCapacity; ++i) lines += "0 0\n";
  std::ofstream(path, std::ios::binary) << lines;
  EXPECT_EQ(ReadOutlineFile(path).status, OutlineStatus::TooLong);
  lines.resize(lines.size() - 4);
  std::ofstream(path, std::ios::binary) << lines;
  EXPECT_EQ(ReadOutlineFile(path).outline.size(), kOutlineCapacity);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace pellamar
