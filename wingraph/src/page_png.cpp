#include "page_png.h"

#include <stb_image_write.h>

#include <vector>

bool write_page_png(const Page& page, const std::string& path) {
  std::vector<unsigned char> rgb(static_cast<size_t>(Page::Width) * Page::Height * 3);
  for (size_t i = 0; i < page.pixels.size(); ++i) {
    rgb[3 * i] = static_cast<unsigned char>(page.pixels[i] >> 16);
    rgb[3 * i + 1] = static_cast<unsigned char>(page.pixels[i] >> 8);
    rgb[3 * i + 2] = static_cast<unsigned char>(page.pixels[i]);
  }
  return stbi_write_png(path.c_str(), Page::Width, Page::Height, 3, rgb.data(), Page::Width * 3) !=
         0;
}
