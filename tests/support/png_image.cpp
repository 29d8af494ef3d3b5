#include "support/png_image.h"

#include <stb_image.h>

PngImage load_png(const std::filesystem::path& path) {
  PngImage image;
  int channels = 0;
  unsigned char* data = stbi_load(path.c_str(), &image.width, &image.height, &channels, 3);
  if (data == nullptr) {
    image.width = image.height = 0;
    return image;
  }
  image.pixels.resize(static_cast<size_t>(image.width) * image.height);
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    const unsigned char* p = data + 3 * i;
    image.pixels[i] = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
  }
  stbi_image_free(data);
  return image;
}
