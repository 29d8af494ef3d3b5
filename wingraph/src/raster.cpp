// Every shape is drawn by visiting only the page's rows or columns that it
// can touch and computing each pixel there from the exact integer geometry,
// so far-away coordinates cost nothing extra and never drift or wrap.
#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using Wide = __int128;

// Floor of n / d for d > 0.
Wide floor_div(Wide n, Wide d) {
  Wide q = n / d;
  return (n % d != 0 && n < 0) ? q - 1 : q;
}

// Ceiling of n / d for d > 0.
Wide ceil_div(Wide n, Wide d) { return -floor_div(-n, d); }

// The nearest integer to sqrt(q), for 0 <= q < 2^62.
std::int64_t nearest_sqrt(std::int64_t q) {
  auto k = static_cast<std::int64_t>(std::sqrt(static_cast<double>(q)));
  while (Wide{k} * k > q) --k;
  while (Wide{k + 1} * (k + 1) <= q) ++k;
  return q - k * k > k ? k + 1 : k;
}

// Page columns (or rows) from lo to hi, cut to 0..extent-1.
struct Span {
  std::int64_t first;
  std::int64_t last;
};
Span clip_span(std::int64_t lo, std::int64_t hi, int extent) {
  return {std::max<std::int64_t>(lo, 0), std::min<std::int64_t>(hi, extent - 1)};
}

// A line along its major axis u (the other axis v): u runs from u1 to u2 with
// u1 < u2 and |v2 - v1| <= u2 - u1. At each visible u the pixel is the exact
// line's v rounded, halves upwards: v1 + floor((2 dv t + du) / (2 du)) with
// t = u - u1. The quotient and remainder of that division are set up once at
// the first visible u and then carried from one u to the next, so the walk
// needs no division per pixel.
template <typename Plot>
void walk_major_axis(std::int64_t u1, std::int64_t v1, std::int64_t u2, std::int64_t v2,
                     int u_extent, Plot plot) {
  const std::int64_t du = u2 - u1;
  const std::int64_t step = 2 * (v2 - v1);  // |step| <= divisor
  const std::int64_t divisor = 2 * du;
  const Span span = clip_span(u1, u2, u_extent);
  if (span.first > span.last) return;
  const Wide numerator = Wide{step} * (span.first - u1) + du;
  auto quotient = static_cast<std::int64_t>(floor_div(numerator, divisor));
  auto remainder = static_cast<std::int64_t>(numerator - Wide{quotient} * divisor);
  for (std::int64_t u = span.first;; ++u) {
    plot(u, v1 + quotient);
    if (u == span.last) break;
    remainder += step;
    if (remainder >= divisor) {
      remainder -= divisor;
      ++quotient;
    } else if (remainder < 0) {
      remainder += divisor;
      --quotient;
    }
  }
}

}  // namespace

void clear_page(Page& page, Colour colour) { page.pixels.fill(colour); }

void draw_line(Page& page, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
               Colour colour) {
  const std::int64_t dx = std::int64_t{x2} - x1;
  const std::int64_t dy = std::int64_t{y2} - y1;
  if (std::abs(dx) >= std::abs(dy)) {
    // Walking from the smaller x makes both directions give one set of pixels.
    if (dx < 0) std::swap(x1, x2), std::swap(y1, y2);
    if (dx == 0) return page.plot(x1, y1, colour);
    walk_major_axis(x1, y1, x2, y2, Page::Width,
                    [&](std::int64_t x, std::int64_t y) { page.plot(x, y, colour); });
  } else {
    if (dy < 0) std::swap(x1, x2), std::swap(y1, y2);
    walk_major_axis(y1, x1, y2, x2, Page::Height,
                    [&](std::int64_t y, std::int64_t x) { page.plot(x, y, colour); });
  }
}

void draw_circle(Page& page, std::int32_t cx, std::int32_t cy, std::int32_t radius, Colour colour) {
  if (radius < 0) return;
  const std::int64_t r = radius;
  // Rows give the steep parts of the outline, columns the flat parts; together
  // they leave no gap.
  const Span rows = clip_span(cy - r, cy + r, Page::Height);
  for (std::int64_t y = rows.first; y <= rows.last; ++y) {
    const std::int64_t dy = y - cy;
    const std::int64_t k = nearest_sqrt(r * r - dy * dy);
    page.plot(cx - k, y, colour);
    page.plot(cx + k, y, colour);
  }
  const Span columns = clip_span(cx - r, cx + r, Page::Width);
  for (std::int64_t x = columns.first; x <= columns.last; ++x) {
    const std::int64_t dx = x - cx;
    const std::int64_t k = nearest_sqrt(r * r - dx * dx);
    page.plot(x, cy - k, colour);
    page.plot(x, cy + k, colour);
  }
}

void fill_polygon(Page& page, const PointType* points, int count, Colour colour) {
  if (count < 3) return;
  std::int64_t top = points[0].y;
  std::int64_t bottom = points[0].y;
  for (int i = 1; i < count; ++i) {
    top = std::min<std::int64_t>(top, points[i].y);
    bottom = std::max<std::int64_t>(bottom, points[i].y);
  }
  // Each crossing of a row with an edge is kept as the first pixel centre at
  // or right of it, cut to just outside the page; pixels between the first
  // and second crossing, third and fourth, ... are inside.
  std::vector<std::int64_t> crossings;
  crossings.reserve(count);
  const Span rows = clip_span(top, bottom, Page::Height);
  for (std::int64_t y = rows.first; y <= rows.last; ++y) {
    crossings.clear();
    for (int i = 0; i < count; ++i) {
      const PointType& a = points[i];
      const PointType& b = points[(i + 1) % count];
      // Half-open in y: an edge covers rows from its lower y up to, not
      // including, its upper y, so a vertex between two edges counts once.
      if ((a.y <= y) == (b.y <= y)) continue;
      const Wide num = Wide{y - a.y} * (std::int64_t{b.x} - a.x);
      const Wide den = std::int64_t{b.y} - a.y;
      const Wide x = a.x + (den > 0 ? ceil_div(num, den) : ceil_div(-num, -den));
      crossings.push_back(static_cast<std::int64_t>(std::clamp<Wide>(x, 0, Page::Width)));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      std::fill(page.pixels.begin() + y * Page::Width + crossings[i],
                page.pixels.begin() + y * Page::Width + crossings[i + 1], colour);
    }
  }
}
