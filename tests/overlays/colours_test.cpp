#include "overlays/colours.h"

#include <gtest/gtest.h>

#include "platform/memory_settings_store.h"
#include "shell/settings.h"

namespace pellamar {
namespace {

TEST(ColoursTest, AnEmptyStoreGivesTheDefaultColoursAndScrolls) {
  const MemorySettingsStore store;
  const OverlayColours colours = ReadColours(store);
  EXPECT_EQ(colours.curve, 0x0000FFu);       // red
  EXPECT_EQ(colours.night, 0x00F0F0u);       // red 240, green 240, blue 0
  EXPECT_EQ(colours.parallels, 0x008000u);   // green
  EXPECT_EQ(ScrollsFor(colours), (std::array<int, 6>{255, 0, 0, 240, 240, 0}));
}

TEST(ColoursTest, TheOptionsPickTheParallelsColour) {
  EXPECT_EQ(ParallelsOption(0), Colour{0x008000});
  EXPECT_EQ(ParallelsOption(1), Colour{0x00FFFF});  // red 255, green 255
  EXPECT_EQ(ParallelsOption(2), Colour{0x800000});  // blue 128
  EXPECT_EQ(ParallelsOption(3), kHiddenColour);
  EXPECT_EQ(ParallelsOption(-1), std::nullopt);
  EXPECT_EQ(ParallelsOption(4), std::nullopt);
}

TEST(ColoursTest, StoringWritesTheSevenKeysAndReadsBack) {
  struct Case {
    ColourPanelValues values;
    const char* para;
  };
  const Case cases[] = {
      {{{10, 20, 30, 40, 50, 60}, kHiddenColour}, "-2147483633"},
      {{{255, 0, 0, 240, 240, 0}, 0x008000}, "32768"},
      {{{0, 255, 128, 1, 2, 3}, 0x800000}, "8388608"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.para);
    MemorySettingsStore store;
    const OverlayColours applied = StoreColours(c.values, store);
    EXPECT_EQ(store.Size(), 7u);
    // Written under "Para", found under "para" as start-up reads it.
    EXPECT_EQ(store.Read("Couleurs", "Para", ""), c.para);
    const char* keys[6] = {"R1", "G1", "B1", "R2", "G2", "B2"};
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(store.Read("Couleurs", keys[i], ""), std::to_string(c.values.scroll[i])) << keys[i];
    }
    const OverlayColours read = ReadColours(store);
    EXPECT_EQ(read.parallels, c.values.parallels);
    EXPECT_EQ(read.curve, Rgb(c.values.scroll[0], c.values.scroll[1], c.values.scroll[2]));
    EXPECT_EQ(read.night, Rgb(c.values.scroll[3], c.values.scroll[4], c.values.scroll[5]));
    EXPECT_EQ(applied.curve, read.curve);
    EXPECT_EQ(applied.night, read.night);
    EXPECT_EQ(applied.parallels, read.parallels);
  }
}

}  // namespace
}  // namespace pellamar
