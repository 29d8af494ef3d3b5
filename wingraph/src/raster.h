// The drawing core: plain C++ on a Page, no window system. Every shape is
// clipped to the page and drawn in time bounded by the page's size, whatever
// its coordinates: a circle of radius 10^9 through the page costs about what a
// small one does.
#pragma once

#include <cstdint>

#include "page.h"

void clear_page(Page& page, Colour colour);

// A solid 1-pixel line with both end points drawn; (a, b) and (b, a) give the
// same pixels.
void draw_line(Page& page, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
               Colour colour);

// The outline of the circle of the given radius around (cx, cy); its four
// extreme points (cx +- r, cy), (cx, cy +- r) are always among its pixels.
void draw_circle(Page& page, std::int32_t cx, std::int32_t cy, std::int32_t radius, Colour colour);

// The inside of the polygon through the points (even-odd rule at pixel
// centres), without outline.
void fill_polygon(Page& page, const PointType* points, int count, Colour colour);
