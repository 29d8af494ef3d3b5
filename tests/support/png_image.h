// A PNG read back for pixel checks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

struct PngImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB

  std::uint32_t at(int x, int y) const { return pixels[y * width + x]; }
};

// Empty image (width 0) when the file cannot be read.
PngImage load_png(const std::filesystem::path& path);
