#include "map/outline_file.h"
#include "map/rebuild.h"

#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <unistd.h>
#include <vector>

#include "map/packed_outline.h"
#include "support/recording_canvas.h"
#include "support/recording_notice.h"

namespace pellamar {
namespace {

// Each line alone: no space gives x 0 and the whole line as y; a leading
// space makes x the space alone and "0.50.25" stops at its second point;
// blanks inside are ignored; no exponents, reading stops at a letter; a tab
// does not split. An empty line in the middle is the (0, 0) end mark and
// the rest is read. Faults: a line without a space read as x, the split at
// a tab or at the last space, a sign or a lone point refused by the fast
// path, an empty line skipped.
TEST(OutlineFileTest, LinesFollowTheTextToNumberRule) {
  const OutlineLoad load = ParseOutline("0.5\n 0.5 0.25\n0.5 0.2 5\nabc 0.25\n-0.5 -.25\n1e3 0.25abc\n0.5\t0.25\n"
                                        "0.5 0.25\n\r\n2 0\r\n0.1 0.7");
  EXPECT_EQ(load.outline.x, (std::vector<double>{0, 0, 0.5, 0, -0.5, 1, 0, 0.5, 0, 2, 0.1}));
  EXPECT_EQ(load.outline.y, (std::vector<float>{0.5f, 0.5f, 0.25f, 0.25f, -0.25f, 0.25f, 0.5f, 0.25f, 0, 0, 0.7f}));
}

// The file is read in 64 KiB pieces: lines cut by a piece's end (between
// '\r' and '\n' too), a line longer than a piece, a NUL byte and a last
// line without its end read exactly as the same bytes parsed whole; a file
// of exactly 200,001 lines is read (one more is refused: see RebuildTest).
// Faults: a cut line's first part lost, the last line dropped, the
// capacity off by one, a folder or missing file read as empty.
TEST(OutlineFileTest, ReadingAFileMatchesParsingItsBytes) {
  constexpr std::size_t kPiece = 1 << 16;
  std::string varied("0.5\0 0.25\n", 10);  // a NUL byte ends nothing but its number
  for (int i = 0; varied.size() < 3 * kPiece; ++i) {
    varied += std::to_string(i % 997) + "." + std::string(static_cast<std::size_t>(i % 7), '3') +
              (i % 11 == 0 ? "\n" : " 0.25" + std::to_string(i % 13) + "\r\n");
  }
  varied += "0.125 0.5";  // no line end
  const std::string cr_at_cut = "0." + std::string(kPiece - 11, '1') + " 0.42222\r\n0.75 0.125\r\n";
  ASSERT_EQ(cr_at_cut[kPiece - 1], '\r');
  const std::string long_line = "0.5 0.2" + std::string(3 * kPiece, '5') + "\n2 0\n0.25 0.125\n";
  std::string full;
  for (std::size_t i = 0; i < kOutlineCapacity; ++i) full += "0 0\n";

  const auto path = std::filesystem::temp_directory_path() / ("outline_read_" + std::to_string(::getpid()) + ".Asc");
  for (const std::string& bytes : {varied, cr_at_cut, long_line, full}) {
    SCOPED_TRACE(bytes.size());
    std::ofstream(path, std::ios::binary) << bytes;
    const OutlineLoad read = ReadOutlineFile(path);
    const OutlineLoad parsed = ParseOutline(bytes);
    ASSERT_EQ(read.status, OutlineStatus::Ok);
    ASSERT_GE(parsed.outline.size(), 2u);
    EXPECT_EQ(read.outline.x, parsed.outline.x);
    EXPECT_EQ(read.outline.y, parsed.outline.y);
  }
  std::filesystem::remove(path);
  EXPECT_EQ(ReadOutlineFile(path).status, OutlineStatus::CannotOpen);
  EXPECT_EQ(ReadOutlineFile(path.parent_path()).status, OutlineStatus::CannotOpen);
}

// Every point read back with the same bits (a -0 stays -0).
void ExpectSameBits(const Outline& o) {
  const PackedOutline packed(o);
  ASSERT_EQ(packed.size(), o.size());
  ASSERT_GT(o.size(), 0u);
  PackedOutline::Reader reader(packed);
  for (std::size_t i = 0; i < o.size(); ++i) {
    double x;
    float y;
    reader.Next(x, y);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(x), std::bit_cast<std::uint64_t>(o.x[i])) << "x of point " << i;
    ASSERT_EQ(std::bit_cast<std::uint32_t>(y), std::bit_cast<std::uint32_t>(o.y[i])) << "y of point " << i;
  }
}

// Faults: a step at the edge of the 3-byte (±1023) or 4-byte (±16383) form
// packed in the narrower form and misread, a signed zero kept as units, a
// (2, -0) point taken for the one-byte break (2, 0), a point after one kept
// as read (NaN here) stored as a step from it.
TEST(PackedOutlineTest, ReadsBackEveryPointBitForBit) {
  const double step = 32767e-7, over = 32768e-7;  // the largest 16-bit step, and one unit more
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Outline cases[] = {
      ParseOutline("0.3194444 0.6713678\n0.3190204 0.6713753\n2 0\n0.5000001 0.1000001\n0.5 0.1\n").outline,
      {{0.5, 0.5 + step, 0.5, 0.5 - step, 0.5 - step + over, 0.5 - step}, {0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0.3f}},
      ParseOutline("0.5 0.3\n0.5 0.3032767\n0.5 0.3\n0.5 0.2967232\n").outline,
      // Steps of +1023/-1024, -1023/+1024, +1024/0, -1024/0, -1024/+1023,
      // +16383/-1023, -15359/+16383, -16384/-16383, +16383/+16384.
      ParseOutline("0.5 0.3\n0.5001023 0.2998976\n0.5 0.3\n0.5001024 0.3\n0.5 0.3\n0.4998976 0.3001023\n"
                   "0.5015359 0.3\n"
                   "0.5 0.3016383\n0.4983616 0.3\n0.4999999 0.3016384\n2 -0\n0.5 0.3\n2 0\n0.5 0.3\n")
          .outline,
      {{0.123456789012, 0.1234568, 0.1234569}, {0.5f, 0.12345678f, 0.5f}},
      {{0.5, -0.0, 0.5, 0, 0.5}, {0.3f, 0.3f, -0.0f, 0, 0.3f}},
      {{-0.5, -0.5000001, 1e300, 0.5, 500, 500.0001, nan, 2e-7, 0.5, 0.5},
       {-0.25f, -0.2500001f, 3e38f, 0.3f, 0.3f, 0.3f, 0.3f, 1e-7f, std::numeric_limits<float>::infinity(), 0.3f}},
  };
  for (const Outline& o : cases) {
    SCOPED_TRACE(o.size());
    ExpectSameBits(o);
  }
}

// The shipped outlines read back exactly, in under 4.5 of the 12 bytes a
// point of the parsed form (a fault: near steps kept in 4 bytes).
TEST(PackedOutlineTest, ShippedFilesReadBackInUnderFourAndAHalfBytesAPoint) {
  for (const char* name : {"totale.Asc", "Iles.Asc", "Lacs.Asc", "rivieres.Asc", "contours.Asc"}) {
    SCOPED_TRACE(name);
    const OutlineLoad load = ReadOutlineFile(std::filesystem::path(PELLAMAR_SOURCE_DATA_DIR) / name);
    ASSERT_EQ(load.status, OutlineStatus::Ok);
    ExpectSameBits(load.outline);
    EXPECT_LT(2 * PackedOutline(load.outline).Bytes(), 9 * load.outline.size());
  }
}

constexpr double kW = 28600, kH = 13565;
using Strings = std::vector<std::string>;

// The fixture records each step with the number of outline segments drawn
// before it.
class RebuildTest : public ::testing::Test, public RebuildSteps {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("pellamar_rebuild_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    // Each file: one segment (one line on the canvas).
    for (const char* name : {"Iles.Asc", "Lacs.Asc", "rivieres.Asc", "contours.Asc", "totale.Asc"}) {
      Write(name, "0.5 0.3\r\n0.51 0.31\r\n");
    }
    map_.ZOOMc = 12675.1;
    SetCentre(map_, 0, 0);
    PlaceCentre(map_, kW, kH);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void Write(const char* name, const std::string& text) { std::ofstream(dir_ / name, std::ios::binary) << text; }
  std::string Rebuild(OutlineSet set, OutlineLibrary& library) {
    order_.clear();
    RebuildMap(set, library, map_, canvas_, notice_, *this);
    return order_;
  }
  void HideDaylightPools() override { Log("pools"); }
  void ShowWindow() override { Log("show"); }
  void StepProgress() override { Log("step"); }
  void PlaceSunMarker() override { Log("sun"); }
  void DrawCities() override { Log("cities"); }
  void ShowPosition() override { Log("position"); }
  void DrawParallels() override { Log("parallels"); }
  void DrawScaleBar() override { Log("scale"); }
  void RedrawDaylight() override { Log("daylight"); }
  void ClearProgress() override { Log("clear"); }
  void ReadOutCentre() override { Log("readout"); }
  void Log(const char* what) { order_ += std::string(what) + "@" + std::to_string(canvas_.lines.size()) + " "; }

  std::string order_;
  std::filesystem::path dir_;
  MapState map_;
  testing::RecordingCanvas canvas_{kW, kH};
  testing::RecordingNotice notice_;
};

// Every rebuild draws in the fixed order; a file that is missing or too long
// is reported on every rebuild, draws nothing, and the scales are still
// set so that clicks and the read-out keep working. Faults: a step left out
// or moved, the Sun placed before the islands or the global file are drawn
// or after the lakes, a file in the wrong colour, the message's text, a
// failure reported once only, the scales set only after a successful read.
TEST_F(RebuildTest, EachSetDrawsItsFilesInOrderAndReportsWhatCannotBeRead) {
  std::string too_long;
  for (std::size_t i = 0; i <= kOutlineCapacity; ++i) too_long += "0.5 0.3\n";
  const struct { OutlineSet set; const char* bad_file; std::vector<Colour> colours; const char* order; } cases[] = {
      {OutlineSet::Global, nullptr, {0},
       "pools@1 show@0 step@0 sun@1 step@1 cities@1 step@1 position@1 parallels@1 scale@1 daylight@1 clear@1 readout@1 "},
      {OutlineSet::Precise, "contours.Asc", {Rgb(50, 50, 50), 0xFF0000, 0x800000},
       "pools@3 show@0 step@1 sun@1 step@1 cities@3 step@3 position@3 parallels@3 scale@3 daylight@3 clear@3 readout@3 "},
      {OutlineSet::Global, "totale.Asc", {},
       "pools@0 show@0 step@0 sun@0 step@0 cities@0 step@0 position@0 parallels@0 scale@0 daylight@0 clear@0 readout@0 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bad_file ? c.bad_file : "none");
    if (c.bad_file && c.set == OutlineSet::Global) Write(c.bad_file, too_long);
    if (c.bad_file && c.set == OutlineSet::Precise) std::filesystem::remove(dir_ / c.bad_file);
    OutlineLibrary library(dir_);
    notice_.messages.clear();
    map_.Pas_Inter = map_.PasLong = 0;
    Rebuild(c.set, library);
    EXPECT_EQ(Rebuild(c.set, library), c.order);  // pools hidden before the old map is cleared
    std::vector<Colour> colours;
    for (const auto& l : canvas_.lines) colours.push_back(l.colour);
    EXPECT_EQ(colours, c.colours);
    const std::string message = c.bad_file ? std::string("Erreur à l'ouverture du fichier: ") + c.bad_file : "";
    EXPECT_EQ(notice_.messages, (c.bad_file ? Strings{message, message} : Strings{}));
    EXPECT_TRUE(HasScales(map_));
  }
}

// Faults: a cached parse kept although the size or the time changed, or
// kept after the file was deleted.
TEST_F(RebuildTest, TheCacheSeesChangedAndDeletedFiles) {
  OutlineLibrary library(dir_);
  EXPECT_EQ(library.Load("totale.Asc").outline.size(), 2u);
  const auto mtime = std::filesystem::last_write_time(dir_ / "totale.Asc");
  Write("totale.Asc", "0.5 0.3\r\n0.51 0.31\r\n0.52 0.32\r\n");  // same time, other size
  std::filesystem::last_write_time(dir_ / "totale.Asc", mtime);
  EXPECT_EQ(library.Load("totale.Asc").outline.size(), 3u);
  Write("totale.Asc", "0.5 0.3\r\n0.51 0.31\r\n0.53 0.33\r\n");  // same size, other time
  std::filesystem::last_write_time(dir_ / "totale.Asc", mtime + std::chrono::seconds(5));
  PackedOutline::Reader reader(library.Load("totale.Asc").outline);
  double x = 0;
  float y = 0;
  for (int i = 0; i < 3; ++i) reader.Next(x, y);
  EXPECT_EQ(x, 0.53);
  std::filesystem::remove(dir_ / "totale.Asc");
  EXPECT_EQ(library.Load("totale.Asc").status, OutlineStatus::CannotOpen);
}

// Nine steps light the nine pairs one by one, the tenth empties the rows.
// Faults: the full row recognised one pair early, lit pairs skipped.
TEST(ProgressTest, NineStepsLightTheRowsTheTenthEmptiesThem) {
  ProgressRows rows;
  for (int i = 1; i <= 10; ++i) {
    StepProgress(rows);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(rows.lit[k], i < 10 && k < i) << "step " << i << " pair " << k;
  }
}

}  // namespace
}  // namespace pellamar
