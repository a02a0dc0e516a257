#include "map/rebuild.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "support/recording_canvas.h"
#include "support/recording_notice.h"

namespace pellamar {
namespace {

constexpr double kW = 28600, kH = 13565;
using Strings = std::vector<std::string>;

// Each step with the number of outline segments drawn before it.
class RecordingSteps final : public RebuildSteps {
 public:
  explicit RecordingSteps(testing::RecordingCanvas& canvas) : canvas_(canvas) {}
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
  void Log(const char* what) { order.push_back(std::string(what) + "@" + std::to_string(canvas_.lines.size())); }
  Strings order;

 private:
  testing::RecordingCanvas& canvas_;
};

class RebuildTest : public ::testing::Test {
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
  Strings Rebuild(OutlineSet set) {
    RecordingSteps steps(canvas_);
    RebuildMap(set, *library_, map_, canvas_, notice_, steps);
    return steps.order;
  }

  std::filesystem::path dir_;
  std::optional<OutlineLibrary> library_;
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
  const struct { OutlineSet set; const char* bad_file; std::vector<Colour> colours; Strings order; } cases[] = {
      {OutlineSet::Global, nullptr, {0},
       {"pools@1", "show@0", "step@0", "sun@1", "step@1", "cities@1", "step@1", "position@1", "parallels@1",
        "scale@1", "daylight@1", "clear@1", "readout@1"}},
      {OutlineSet::Precise, "contours.Asc", {Rgb(50, 50, 50), 0xFF0000, 0x800000},
       {"pools@3", "show@0", "step@1", "sun@1", "step@1", "cities@3", "step@3", "position@3", "parallels@3",
        "scale@3", "daylight@3", "clear@3", "readout@3"}},
      {OutlineSet::Global, "totale.Asc", {},
       {"pools@0", "show@0", "step@0", "sun@0", "step@0", "cities@0", "step@0", "position@0", "parallels@0",
        "scale@0", "daylight@0", "clear@0", "readout@0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bad_file ? c.bad_file : "none");
    if (c.bad_file && c.set == OutlineSet::Global) Write(c.bad_file, too_long);
    if (c.bad_file && c.set == OutlineSet::Precise) std::filesystem::remove(dir_ / c.bad_file);
    library_.emplace(dir_);
    notice_.messages.clear();
    map_.Pas_Inter = map_.PasLong = 0;
    Rebuild(c.set);
    EXPECT_EQ(Rebuild(c.set), c.order);  // pools hidden before the old map is cleared
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
