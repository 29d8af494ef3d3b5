// Text through stb_truetype. Each glyph of a face at a cell height is
// rasterised once and kept, so drawing a text only blends cached coverage.
#include "text.h"

#include <stb_truetype.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "embedded_fonts.h"

namespace {

struct Glyph {
  int left = 0;  // bitmap's left column and top row relative to the pen on the baseline
  int top = 0;
  int width = 0;
  int height = 0;
  int advance = 0;  // whole pixels
  std::vector<unsigned char> coverage;
};

// One face at one cell height, with its glyphs filled in as they are first used.
class SizedFace {
 public:
  SizedFace(const stbtt_fontinfo& font, int cell_height)
      : font_(font), scale_(stbtt_ScaleForPixelHeight(&font, static_cast<float>(cell_height))) {
    int ascent = 0;
    stbtt_GetFontVMetrics(&font, &ascent, nullptr, nullptr);
    // The cell is ascent plus descent; rounding once keeps it exactly the height.
    ascent_ = static_cast<int>(std::lround(ascent * scale_));
    descent_ = cell_height - ascent_;
  }

  int ascent() const { return ascent_; }
  int descent() const { return descent_; }

  // Pen offsets of each character from the text's start, calling
  // visit(glyph, offset) in order, and the advance width in the end. Advances
  // are whole pixels and there is no kerning, as on the screen fonts the demos
  // were made with: "|A X B|" keeps its blank after the A.
  template <typename Visit>
  int walk(std::string_view text, Visit visit) {
    int pen = 0;
    for (const char c : text) {
      const Glyph& g = glyph(static_cast<unsigned char>(c));
      visit(g, pen);
      pen += g.advance;
    }
    return pen;
  }

 private:
  const Glyph& glyph(int code) {
    std::optional<Glyph>& slot = glyphs_[code];
    if (!slot) {
      Glyph& g = slot.emplace();
      int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
      stbtt_GetCodepointBitmapBox(&font_, code, scale_, scale_, &x0, &y0, &x1, &y1);
      g.left = x0;
      g.top = y0;
      g.width = std::max(0, x1 - x0);
      g.height = std::max(0, y1 - y0);
      int advance = 0;
      stbtt_GetCodepointHMetrics(&font_, code, &advance, nullptr);
      g.advance = static_cast<int>(std::lround(advance * scale_));
      g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
      if (!g.coverage.empty()) {
        stbtt_MakeCodepointBitmap(&font_, g.coverage.data(), g.width, g.height, g.width, scale_,
                                  scale_, code);
      }
    }
    return *slot;
  }

  const stbtt_fontinfo& font_;
  float scale_;
  int ascent_;
  int descent_;
  std::array<std::optional<Glyph>, 256> glyphs_;  // texts are single-byte characters
};

const stbtt_fontinfo& load_font(const EmbeddedFont& embedded) {
  static std::map<const EmbeddedFont*, stbtt_fontinfo> loaded;
  auto [it, fresh] = loaded.try_emplace(&embedded);
  if (fresh)
    stbtt_InitFont(&it->second, embedded.data, stbtt_GetFontOffsetForIndex(embedded.data, 0));
  return it->second;
}

// Faces 1 ("MS Sans Serif") and 3 ("Arial") are the sans face, 2 ("Times New
// Roman") the serif one; 0 and anything unknown the monospaced one.
const EmbeddedFont& embedded_face(int font) {
  switch (font) {
    case 1:
    case 3:
      return liberation_sans;
    case 2:
      return liberation_serif;
    default:
      return liberation_mono;
  }
}

SizedFace& sized_face(const TextStyle& style) {
  static std::map<std::pair<const EmbeddedFont*, int>, std::unique_ptr<SizedFace>> faces;
  const EmbeddedFont& embedded = embedded_face(style.font);
  const int height = text_height(style);
  std::unique_ptr<SizedFace>& face = faces[{&embedded, height}];
  if (!face) face = std::make_unique<SizedFace>(load_font(embedded), height);
  return *face;
}

std::uint32_t blend_channel(Colour under, Colour over, int shift, int coverage) {
  const int u = (under >> shift) & 0xFF;
  const int o = (over >> shift) & 0xFF;
  return static_cast<std::uint32_t>(u + ((o - u) * coverage + 127) / 255) << shift;
}

void blend(Colour& pixel, Colour colour, int coverage) {
  pixel = blend_channel(pixel, colour, 16, coverage) | blend_channel(pixel, colour, 8, coverage) |
          blend_channel(pixel, colour, 0, coverage);
}

// Text mostly lands on the black background, where blending comes down to
// looking up the colour's shade for the coverage. The shades of the last
// colour are kept, as the demos write their texts in one colour.
const std::array<Colour, 256>& shades_over_black(Colour colour) {
  static Colour shaded = Black;
  static std::array<Colour, 256> shades{};
  if (colour != shaded) {
    for (int coverage = 0; coverage < 256; ++coverage) {
      shades[coverage] = Black;
      blend(shades[coverage], colour, coverage);
    }
    shaded = colour;
  }
  return shades;
}

void draw_glyph(Page& page, const Glyph& glyph, std::int64_t pen_x, std::int64_t baseline,
                Colour colour) {
  const std::array<Colour, 256>& shades = shades_over_black(colour);
  const std::int64_t left = pen_x + glyph.left;
  const std::int64_t top = baseline + glyph.top;
  const std::int64_t row_first = std::max<std::int64_t>(0, -top);
  const std::int64_t row_last = std::min<std::int64_t>(glyph.height, Page::Height - top);
  const std::int64_t col_first = std::max<std::int64_t>(0, -left);
  const std::int64_t col_last = std::min<std::int64_t>(glyph.width, Page::Width - left);
  for (std::int64_t row = row_first; row < row_last; ++row) {
    for (std::int64_t col = col_first; col < col_last; ++col) {
      const int coverage = glyph.coverage[row * glyph.width + col];
      if (coverage == 0) continue;
      Colour& pixel = page.pixels[(top + row) * Page::Width + left + col];
      if (pixel == Black) {
        pixel = shades[coverage];
      } else {
        blend(pixel, colour, coverage);
      }
    }
  }
}

}  // namespace

int text_height(const TextStyle& style) {
  const int size = std::max<int>(style.size, 1);
  return size <= 5 ? size * 8 : size;
}

int text_width(const TextStyle& style, std::string_view text) {
  return sized_face(style).walk(text, [](const Glyph&, int) {});
}

void draw_text(Page& page, std::int32_t x, std::int32_t y, std::string_view text,
               const TextStyle& style, Colour colour) {
  SizedFace& face = sized_face(style);
  std::int64_t start = x;
  if (style.horizontal == 1) start -= text_width(style, text) / 2;
  if (style.horizontal == 2) start -= text_width(style, text);
  std::int64_t baseline = y;
  if (style.vertical == 0) baseline += face.ascent();
  if (style.vertical == 1) baseline -= face.descent();
  face.walk(text, [&](const Glyph& glyph, int pen) {
    draw_glyph(page, glyph, start + pen, baseline, colour);
  });
}
