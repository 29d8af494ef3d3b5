// A display page: the 800x600 drawing area as 0xRRGGBB pixels, row by row.
#pragma once

#include <array>
#include <cstdint>

#include "wingraph.h"

struct Page {
  static constexpr int Width = 800;
  static constexpr int Height = 600;

  std::array<Colour, Width * Height> pixels{};

  Colour at(int x, int y) const { return pixels[y * Width + x]; }
  // Plots when (x, y) lies inside the drawing area; anything else is clipped.
  void plot(std::int64_t x, std::int64_t y, Colour c) {
    if (x >= 0 && x < Width && y >= 0 && y < Height) pixels[y * Width + x] = c;
  }
};
