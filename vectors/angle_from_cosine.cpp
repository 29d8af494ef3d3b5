#include "angle_from_cosine.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double AngleFromCosine(double c) {
  c = std::clamp(c, -1.0, 1.0);
  if (c == 0) return std::numbers::pi / 2;
  // For c = -1 the tangent is -0, whose arctan would read as 0 rather than pi.
  if (c == -1) return std::numbers::pi;
  double w = std::atan(std::sqrt(1 - c * c) / c);
  if (w < 0) w += std::numbers::pi;
  return w;
}
