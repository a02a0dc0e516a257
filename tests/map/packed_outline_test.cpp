#include "map/packed_outline.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "map/outline_drawing.h"
#include "support/recording_canvas.h"

namespace pellamar {
namespace {

Outline Points(std::initializer_list<std::pair<double, float>> pts) {
  Outline o;
  for (auto [x, y] : pts) {
    o.x.push_back(x);
    o.y.push_back(y);
  }
  return o;
}

// Every point read back with the same bits (a -0 stays -0).
void ExpectSameBits(const Outline& o, const PackedOutline& packed) {
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

TEST(PackedOutlineTest, ReadsBackEveryPointBitForBit) {
  const double step = 32767e-7, over = 32768e-7;  // the largest 16-bit step, and one unit more
  const struct {
    const char* what;
    Outline outline;
  } cases[] = {
      {"7-place decimals, then a break and a new line",
       ParseOutline("0.3194444 0.6713678\n0.3190204 0.6713753\n2 0\n0.5000001 0.1000001\n0.5 0.1\n").outline},
      {"steps at the 16-bit limits, both ways",
       Points({{0.5, 0.3f}, {0.5 + step, 0.3f}, {0.5, 0.3f}, {0.5 - step, 0.3f}, {0.5 - step + over, 0.3f},
               {0.5 - step, 0.3f}})},
      {"y steps at the limits", ParseOutline("0.5 0.3\n0.5 0.3032767\n0.5 0.3\n0.5 0.2967232\n").outline},
      {"more than 7 places", Points({{0.123456789012, 0.5f}, {0.1234568, 0.12345678f}, {0.1234569, 0.5f}})},
      {"signed zeros and the end mark", Points({{0.5, 0.3f}, {-0.0, 0.3f}, {0.5, -0.0f}, {0, 0}, {0.5, 0.3f}})},
      {"negative, huge and not-a-number values",
       Points({{-0.5, -0.25f}, {-0.5000001, -0.2500001f}, {1e300, 3e38f}, {0.5, 0.3f},
               {500, 0.3f}, {500.0001, 0.3f},  // past 32 bits of units, then a step from there
               {std::numeric_limits<double>::quiet_NaN(), 0.3f}, {0.5, std::numeric_limits<float>::infinity()},
               {0.5, 0.3f}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectSameBits(c.outline, PackedOutline(c.outline));
  }
}

// The shipped outlines read back exactly, in under half the 12 bytes a
// point of the parsed form.
TEST(PackedOutlineTest, ShippedFilesPackToUnderHalfTheParsedSize) {
  std::size_t files = 0;
  for (const char* name : {"totale.Asc", "Iles.Asc", "Lacs.Asc", "rivieres.Asc", "contours.Asc"}) {
    SCOPED_TRACE(name);
    std::ifstream in(std::filesystem::path(PELLAMAR_SOURCE_DATA_DIR) / name, std::ios::binary);
    ASSERT_TRUE(in) << "missing data file";
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const OutlineLoad load = ParseOutline(bytes);
    ASSERT_EQ(load.status, OutlineStatus::Ok);
    const PackedOutline packed(load.outline);
    ExpectSameBits(load.outline, packed);
    EXPECT_LT(packed.Bytes(), 6 * load.outline.size());  // parsed: 12 bytes a point
    ++files;
  }
  EXPECT_EQ(files, 5u);
}

// Drawn from the packed form, an outline gives the same segments, in the
// same order, and the same progress steps as drawn from the parsed form.
TEST(PackedOutlineTest, DrawsTheSameSegmentsAsTheParsedOutline) {
  constexpr double kW = 28600, kH = 13565;
  std::ifstream in(std::filesystem::path(PELLAMAR_SOURCE_DATA_DIR) / "totale.Asc", std::ios::binary);
  const OutlineLoad world = ParseOutline(std::string{std::istreambuf_iterator<char>(in), {}});
  ASSERT_GT(world.outline.size(), 20000u);
  const Outline small = Points({{0.5, 0.3f}, {0.51, 0.3f}, {2, 0}, {0.6, 0.3f}, {0.61, 0.31f}, {0, 0}, {0.7, 0.3f}});
  const struct {
    float lat, lon;
    double zoom;
  } views[] = {{0, 0, 12675.109106746411}, {48.85f, 2.35f, 300}, {-33.9f, 151.2f, 3000}};
  for (const Outline* o : {&world.outline, &small}) {
    const PackedOutline packed(*o);
    for (const auto& v : views) {
      SCOPED_TRACE(v.zoom);
      MapState m;
      m.ZOOMc = v.zoom;
      SetCentre(m, v.lat, v.lon);
      PlaceCentre(m, kW, kH);
      UpdateScales(m, kW, kH);
      testing::RecordingCanvas parsed_canvas(kW, kH), packed_canvas(kW, kH);
      int parsed_steps = 0, packed_steps = 0;
      DrawOutline(*o, m, parsed_canvas, 0x123456, [&] { ++parsed_steps; });
      DrawOutline(packed, m, packed_canvas, 0x123456, [&] { ++packed_steps; });
      ASSERT_EQ(packed_canvas.lines.size(), parsed_canvas.lines.size());
      if (o == &small && v.zoom > 10000) EXPECT_EQ(parsed_canvas.lines.size(), 2u);
      for (std::size_t i = 0; i < parsed_canvas.lines.size(); ++i) {
        const auto &a = parsed_canvas.lines[i], &b = packed_canvas.lines[i];
        ASSERT_TRUE(a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.colour == b.colour)
            << "segment " << i;
      }
      EXPECT_EQ(packed_steps, parsed_steps);
    }
  }
}

}  // namespace
}  // namespace pellamar
