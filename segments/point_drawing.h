// Line and Circle for real points: each coordinate is rounded to a pixel only
// here, after the point itself has been computed.
#pragma once

#include <cstdint>

#include "demo_frame.h"

inline void LineBetween(const Point& from, const Point& to) {
  Line(to_pixel(from.x), to_pixel(from.y), to_pixel(to.x), to_pixel(to.y));
}

inline void CircleAround(const Point& centre, std::int32_t radius) {
  Circle(to_pixel(centre.x), to_pixel(centre.y), radius);
}
