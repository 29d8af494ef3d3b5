#include "text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>

namespace {

constexpr Colour Ink = 0xFFFFFF;
constexpr std::int32_t X = 400;
constexpr std::int32_t Y = 300;

struct Box {
  int left = Page::Width, top = Page::Height, right = -1, bottom = -1;
  bool empty() const { return right < 0; }
};

// The smallest box holding every pixel that differs from the background.
Box ink_box(const Page& page, Colour background = Black) {
  Box box;
  for (int y = 0; y < Page::Height; ++y) {
    for (int x = 0; x < Page::Width; ++x) {
      if (page.at(x, y) == background) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

Box drawn_box(std::string_view text, const TextStyle& style) {
  auto page = std::make_unique<Page>();
  draw_text(*page, X, Y, text, style, Ink);
  return ink_box(*page);
}

TEST(Text, CellHeightFromSize) {
  const std::pair<std::int16_t, int> cases[] = {{1, 8}, {2, 16}, {5, 40}, {6, 6}, {30, 30}};
  for (auto [size, height] : cases) {
    EXPECT_EQ(text_height(TextStyle{.size = size}), height) << size;
  }
}

TEST(Text, WidthIsTheAdvanceOfTheCharacters) {
  const TextStyle mono{.font = DefaultFont};
  // Liberation Mono advances 0.6 em; at 16 px the em is a little under 16 px.
  const int one = text_width(mono, "H");
  EXPECT_GE(one, 7);
  EXPECT_LE(one, 10);
  EXPECT_EQ(text_width(mono, "HHHHHHHHHH"), text_width(mono, "iiiiiiiiii"));
  const TextStyle sans{.font = ArialFont};
  EXPECT_LT(text_width(sans, "iiii"), text_width(sans, "WWWW"));
  EXPECT_EQ(text_width(sans, ""), 0);
}

// For each face and each justification the ink lies where the anchor says:
// the advance box starts, is centred on or ends at x; the cell's top, bottom
// or baseline is at y.
TEST(Text, JustificationPlacesTheInk) {
  for (std::int16_t font : {DefaultFont, ArialFont}) {
    SCOPED_TRACE(font);
    const std::string_view text = "Hg";
    const int width = text_width(TextStyle{.font = font}, text);
    const int height = text_height(TextStyle{.font = font});
    Box boxes[3][3];
    for (std::int16_t h = 0; h < 3; ++h) {
      for (std::int16_t v = 0; v < 3; ++v) {
        boxes[h][v] = drawn_box(text, TextStyle{.font = font, .horizontal = h, .vertical = v});
        ASSERT_FALSE(boxes[h][v].empty()) << h << " " << v;
      }
    }
    const Box& start_top = boxes[0][0];
    EXPECT_GE(start_top.left, X);
    EXPECT_LE(start_top.left, X + 3);
    EXPECT_LT(start_top.right, X + width);
    EXPECT_GE(start_top.top, Y);
    EXPECT_LE(start_top.top, Y + height / 3);
    for (std::int16_t v = 0; v < 3; ++v) {
      // Moving the anchor moves the same ink by half or all of the advance width.
      EXPECT_EQ(boxes[1][v].left, boxes[0][v].left - width / 2);
      EXPECT_EQ(boxes[2][v].left, boxes[0][v].left - width);
      EXPECT_EQ(boxes[2][v].right, boxes[0][v].right - width);
      EXPECT_LT(boxes[2][v].right, X);
      EXPECT_LE(std::abs(boxes[1][v].left + boxes[1][v].right + 1 - 2 * X), 4);
    }
    for (std::int16_t h = 0; h < 3; ++h) {
      // Bottom at y: the cell (and so the ink) ends just above y.
      EXPECT_EQ(boxes[h][1].top, boxes[h][0].top - height);
      EXPECT_LT(boxes[h][1].bottom, Y);
      EXPECT_GE(boxes[h][1].bottom, Y - height / 3);
      // Baseline at y: "g" hangs below it, "H" stands on it.
      EXPECT_LT(boxes[h][2].top, Y - height / 2);
      EXPECT_GT(boxes[h][2].bottom, Y);
    }
    const Box standing = drawn_box("H", TextStyle{.font = font, .vertical = 2});
    EXPECT_EQ(standing.bottom, Y - 1);
  }
}

TEST(Text, BlendsOverTheBackgroundAndKeepsIt) {
  constexpr Colour background = 0x204080;
  auto page = std::make_unique<Page>();
  page->pixels.fill(background);
  draw_text(*page, 100, 100, "Anti-aliased", TextStyle{.font = ArialFont, .size = 30}, Ink);
  std::set<Colour> colours(page->pixels.begin(), page->pixels.end());
  EXPECT_TRUE(colours.count(background));
  EXPECT_TRUE(colours.count(Ink));
  EXPECT_GT(colours.size(), 10u);  // partly covered pixels lie between the two
  for (Colour c : colours) {
    EXPECT_GE(c >> 16, background >> 16u) << std::hex << c;
    EXPECT_GE(c & 0xFF, background & 0xFFu) << std::hex << c;
  }
  const Box box = ink_box(*page, background);
  EXPECT_GE(box.left, 100);
  EXPECT_GE(box.top, 100);
  EXPECT_LE(box.bottom, 130);
}

TEST(Text, ClippedAtThePageEdges) {
  struct Anchor {
    std::int32_t x, y;
    bool visible;
  };
  const Anchor anchors[] = {{-5, -5, true},        {790, 590, true},
                            {-40, 300, false},     {INT32_MIN, 0, false},
                            {0, INT32_MAX, false}, {INT32_MAX, INT32_MIN, false}};
  for (const Anchor& a : anchors) {
    auto page = std::make_unique<Page>();
    draw_text(*page, a.x, a.y, "Text", TextStyle{.font = ArialFont}, Ink);
    EXPECT_EQ(ink_box(*page).empty(), !a.visible) << a.x << "," << a.y;
  }
}

}  // namespace
