#include "map/rebuild.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/recording_canvas.h"
#include "support/recording_notice.h"

namespace pellamar {
namespace {

constexpr double kW = 28600, kH = 13565;

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

  void Log(const char* what) {
    order.push_back(std::string(what) + "@" + std::to_string(canvas_.lines.size()));
  }
  std::vector<std::string> order;

 private:
  testing::RecordingCanvas& canvas_;
};

class RebuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("pellamar_rebuild_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    // Each file: one segment (one line on the canvas).
    for (const char* name : {"Iles.Asc", "Lacs.Asc", "rivieres.Asc", "contours.Asc", "totale.Asc"}) Write(name, "0.5 0.3\r\n0.51 0.31\r\n");
    map_.ZOOMc = 12675.1;
    SetCentre(map_, 0, 0);
    PlaceCentre(map_, kW, kH);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void Write(const char* name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }

  std::filesystem::path dir_;
  MapState map_;
  testing::RecordingCanvas canvas_{kW, kH};
  testing::RecordingNotice notice_;
};

TEST_F(RebuildTest, GlobalMapDrawsTheGlobalFileThenPlacesTheSun) {
  OutlineLibrary library(dir_);
  RecordingSteps steps(canvas_);
  RebuildMap(OutlineSet::Global, library, map_, canvas_, notice_, steps);
  EXPECT_EQ(canvas_.clears, 1);
  EXPECT_EQ(canvas_.lines.size(), 1u);
  // Each step with the number of outline segments drawn before it.
  EXPECT_EQ(steps.order, (std::vector<std::string>{"pools@0", "show@0", "step@0", "sun@1", "step@1",
                                                   "cities@1", "step@1", "position@1", "parallels@1",
                                                   "scale@1", "daylight@1", "clear@1", "readout@1"}));
  EXPECT_TRUE(notice_.messages.empty());
  EXPECT_TRUE(HasScales(map_));
}

TEST_F(RebuildTest, PreciseMapPlacesTheSunAfterTheIslands) {
  OutlineLibrary library(dir_);
  RecordingSteps steps(canvas_);
  RebuildMap(OutlineSet::Precise, library, map_, canvas_, notice_, steps);
  EXPECT_EQ(canvas_.lines.size(), 4u);
  // The islands drawn, the lakes not yet, when the Sun is placed.
  EXPECT_EQ(steps.order, (std::vector<std::string>{"pools@0", "show@0", "step@1", "sun@1", "step@1",
                                                   "cities@4", "step@4", "position@4", "parallels@4",
                                                   "scale@4", "daylight@4", "clear@4", "readout@4"}));
}

TEST_F(RebuildTest, AMissingFileIsReportedOncePerRebuildAndTheRestIsDrawn) {
  std::filesystem::remove(dir_ / "Lacs.Asc");
  OutlineLibrary library(dir_);
  for (int rebuild = 1; rebuild <= 2; ++rebuild) {
    RecordingSteps steps(canvas_);
    RebuildMap(OutlineSet::Precise, library, map_, canvas_, notice_, steps);
    EXPECT_EQ(canvas_.lines.size(), 3u);
    ASSERT_EQ(notice_.messages.size(), static_cast<std::size_t>(rebuild));
    EXPECT_EQ(notice_.messages.back(), "Erreur à l'ouverture du fichier: Lacs.Asc");
  }
}

TEST_F(RebuildTest, AMissingGlobalFileStillSetsTheScales) {
  std::filesystem::remove(dir_ / "totale.Asc");
  OutlineLibrary library(dir_);
  RecordingSteps steps(canvas_);
  RebuildMap(OutlineSet::Global, library, map_, canvas_, notice_, steps);
  EXPECT_EQ(notice_.messages, std::vector<std::string>{"Erreur à l'ouverture du fichier: totale.Asc"});
  EXPECT_TRUE(HasScales(map_));  // clicks and the read-out keep working
}

TEST_F(RebuildTest, AnOverlongFileIsRefusedWithTheSameMessage) {
  std::string text;
  for (std::size_t i = 0; i <= kOutlineCapacity; ++i) text += "0.5 0.3\r\n";  // 200,002 lines
  Write("totale.Asc", text);
  OutlineLibrary library(dir_);
  RecordingSteps steps(canvas_);
  RebuildMap(OutlineSet::Global, library, map_, canvas_, notice_, steps);
  EXPECT_EQ(notice_.messages, std::vector<std::string>{"Erreur à l'ouverture du fichier: totale.Asc"});
  EXPECT_TRUE(canvas_.lines.empty());
}

TEST_F(RebuildTest, TheCacheSeesChangedAndDeletedFiles) {
  OutlineLibrary library(dir_);
  EXPECT_EQ(library.Load("totale.Asc").outline.size(), 2u);
  // A different size is a different file, even with the same time.
  const auto mtime = std::filesystem::last_write_time(dir_ / "totale.Asc");
  Write("totale.Asc", "0.5 0.3\r\n0.51 0.31\r\n0.52 0.32\r\n");
  std::filesystem::last_write_time(dir_ / "totale.Asc", mtime);
  EXPECT_EQ(library.Load("totale.Asc").outline.size(), 3u);
  // The same size at another time, too.
  Write("totale.Asc", "0.5 0.3\r\n0.51 0.31\r\n0.53 0.33\r\n");
  std::filesystem::last_write_time(dir_ / "totale.Asc", mtime + std::chrono::seconds(5));
  {
    PackedOutline::Reader reader(library.Load("totale.Asc").outline);
    double x = 0;
    float y = 0;
    for (int i = 0; i < 3; ++i) reader.Next(x, y);
    EXPECT_EQ(x, 0.53);
  }
  std::filesystem::remove(dir_ / "totale.Asc");
  EXPECT_EQ(library.Load("totale.Asc").status, OutlineStatus::CannotOpen);
  Write("totale.Asc", "0.5 0.3\r\n");
  EXPECT_EQ(library.Load("totale.Asc").outline.size(), 1u);
}

TEST(ProgressTest, NineStepsLightEighteenShapesTheTenthClearsTheEleventhLightsOne) {
  ProgressRows rows;
  for (int i = 1; i <= 9; ++i) {
    StepProgress(rows);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(rows.lit[k], k < i) << "step " << i << " pair " << k;
  }
  StepProgress(rows);
  for (bool lit : rows.lit) EXPECT_FALSE(lit);
  StepProgress(rows);
  EXPECT_TRUE(rows.lit[0]);
  EXPECT_FALSE(rows.lit[1]);
}

}  // namespace
}  // namespace pellamar
