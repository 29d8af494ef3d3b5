#include <cmath>
#include <limits>

#include "demo_frame.h"

ShortText value_text(std::string_view before, double value, int width, int decimals,
                     std::string_view after) {
  ShortText text;
  text += before;
  text += Str(value, width, decimals);
  text += after;
  return text;
}

std::int32_t to_pixel(double v) {
  constexpr double low = std::numeric_limits<std::int32_t>::min();
  constexpr double high = std::numeric_limits<std::int32_t>::max();
  if (!(v >= low)) return std::numeric_limits<std::int32_t>::min();  // NaN too
  if (v >= high) return std::numeric_limits<std::int32_t>::max();
  // The default rounding mode rounds halves to the even neighbour.
  return static_cast<std::int32_t>(std::nearbyint(v));
}
