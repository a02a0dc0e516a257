#include "overlays/colours.h"

#include <gtest/gtest.h>

#include "platform/memory_settings_store.h"
#include "shell/settings.h"

namespace pellamar {
namespace {

// Catches a wrong default colour or scroll bars filled in the wrong order.
TEST(ColoursTest, AnEmptyStoreGivesTheDefaultColoursAndScrolls) {
  const MemorySettingsStore store;
  const OverlayColours colours = ReadColours(store);
  EXPECT_EQ(colours.curve, 0x0000FFu);       // red
  EXPECT_EQ(colours.night, 0x00F0F0u);       // red 240, green 240, blue 0
  EXPECT_EQ(colours.parallels, 0x008000u);   // green
  EXPECT_EQ(ScrollsFor(colours), (std::array<int, 6>{255, 0, 0, 240, 240, 0}));
}

// Catches two option colours swapped or an index out of range accepted.
TEST(ColoursTest, TheOptionsPickTheParallelsColour) {
  EXPECT_EQ(ParallelsOption(0), Colour{0x008000});
  EXPECT_EQ(ParallelsOption(1), Colour{0x00FFFF});  // red 255, green 255
  EXPECT_EQ(ParallelsOption(2), Colour{0x800000});  // blue 128
  EXPECT_EQ(ParallelsOption(3), kHiddenColour);
  EXPECT_EQ(ParallelsOption(-1), std::nullopt);
  EXPECT_EQ(ParallelsOption(4), std::nullopt);
}

// Catches a key written from the wrong scroll bar, a dropped 0..255 clamp, the
// hidden sentinel stored unsigned, and a read that swaps components.
TEST(ColoursTest, StoringWritesTheSevenKeysAndReadsBack) {
  struct Case {
    ColourPanelValues values;
    const char* para;
    std::array<const char*, 6> stored;
    Colour curve, night;
  };
  const Case cases[] = {
      {{{10, 20, 30, 40, 50, 60}, kHiddenColour}, "-2147483633", {"10", "20", "30", "40", "50", "60"},
       0x1E140A, 0x3C3228},
      {{{255, 0, 0, 240, 240, 0}, 0x008000}, "32768", {"255", "0", "0", "240", "240", "0"}, 0x0000FF, 0x00F0F0},
      {{{-5, 300, 128, 1, 2, 3}, 0x800000}, "8388608", {"0", "255", "128", "1", "2", "3"}, 0x80FF00, 0x030201},
  };
  const char* keys[6] = {"R1", "G1", "B1", "R2", "G2", "B2"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.para);
    MemorySettingsStore store;
    const OverlayColours applied = StoreColours(c.values, store);
    EXPECT_EQ(store.Size(), 7u);
    // Written under "Para", found under "para" as start-up reads it.
    EXPECT_EQ(store.Read("Couleurs", "Para", ""), c.para);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(store.Read("Couleurs", keys[i], ""), c.stored[i]) << keys[i];
    const OverlayColours read = ReadColours(store);
    EXPECT_EQ(read.parallels, c.values.parallels);
    EXPECT_EQ(read.curve, c.curve);
    EXPECT_EQ(read.night, c.night);
    EXPECT_EQ(applied.curve, c.curve);
    EXPECT_EQ(applied.night, c.night);
    EXPECT_EQ(applied.parallels, c.values.parallels);
  }
}

}  // namespace
}  // namespace pellamar
