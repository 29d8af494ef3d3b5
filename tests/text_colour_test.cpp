// Text over the black background takes each colour's own shades, also when
// the colour changes from one text to the next.
#include <gtest/gtest.h>

#include <memory>

#include "text.h"

namespace {

TEST(TextColour, EachTextShadesItsOwnColourOverBlack) {
  const TextStyle style{.font = ArialFont, .size = 30};
  auto first = std::make_unique<Page>();
  draw_text(*first, 100, 100, "Ag", style, Red);
  for (const Colour colour : {Colour{0x00FF00}, Colour{0x0000FF}, Red, LightGreen}) {
    SCOPED_TRACE(colour);
    auto page = std::make_unique<Page>();
    draw_text(*page, 100, 100, "Ag", style, colour);
    bool full = false;
    for (std::size_t i = 0; i < page->pixels.size(); ++i) {
      const Colour pixel = page->pixels[i];
      // The same pixels are inked whatever the colour.
      ASSERT_EQ(pixel == Black, first->pixels[i] == Black) << i;
      // Each channel a share of the colour's own.
      for (int shift : {0, 8, 16})
        ASSERT_LE((pixel >> shift) & 0xFF, (colour >> shift) & 0xFF) << std::hex << pixel;
      full = full || pixel == colour;
    }
    EXPECT_TRUE(full);  // the strokes' insides are the colour itself
  }
}

}  // namespace
