// Text with the embedded Liberation faces, anti-aliased and blended in the
// drawing colour on a transparent background.
#pragma once

#include <cstdint>
#include <string_view>

#include "page.h"

struct TextStyle {
  std::int16_t font = DefaultFont;  // 0 mono ("Courier New"), 3 sans ("Arial")
  std::int16_t direction = 0;       // horizontal only
  std::int16_t size = 2;            // 1..5: cell height size*8; larger: the height in pixels
  std::int16_t horizontal = 0;      // 0 starts at x, 1 centred on x, 2 ends at x
  std::int16_t vertical = 0;        // 0 top at y, 1 bottom at y, 2 baseline at y
};

// Cell height in pixels for a style.
int text_height(const TextStyle& style);
// Advance width of the text in pixels.
int text_width(const TextStyle& style, std::string_view text);

void draw_text(Page& page, std::int32_t x, std::int32_t y, std::string_view text,
               const TextStyle& style, Colour colour);
