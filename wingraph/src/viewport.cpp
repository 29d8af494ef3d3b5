#include "viewport.h"

#include <cmath>

#include "page.h"

Viewport fit_drawing_area(int output_width, int output_height) {
  if (output_width <= 0 || output_height <= 0) return {};
  // The larger scale at which the whole area still fits, compared exactly:
  // width/800 <= height/600 means the width limits.
  Viewport v;
  if (static_cast<long long>(output_width) * Page::Height <=
      static_cast<long long>(output_height) * Page::Width) {
    v.width = output_width;
    v.height = static_cast<int>(static_cast<long long>(output_width) * Page::Height / Page::Width);
  } else {
    v.height = output_height;
    v.width = static_cast<int>(static_cast<long long>(output_height) * Page::Width / Page::Height);
  }
  v.x = (output_width - v.width) / 2;
  v.y = (output_height - v.height) / 2;
  return v;
}

AreaPixel to_drawing_area(const Viewport& viewport, double output_x, double output_y) {
  if (viewport.width <= 0 || viewport.height <= 0) return {0, 0, false};
  double fx = std::floor((output_x - viewport.x) * Page::Width / viewport.width);
  double fy = std::floor((output_y - viewport.y) * Page::Height / viewport.height);
  bool inside = fx >= 0 && fx < Page::Width && fy >= 0 && fy < Page::Height;
  if (!inside) return {0, 0, false};
  return {static_cast<int>(fx), static_cast<int>(fy), true};
}
