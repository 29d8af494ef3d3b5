#include <cmath>
#include <numbers>

#include "demo_frame.h"

double DirectionAngle(double dx, double dy) {
  if (dx == 0) return dy > 0 ? std::numbers::pi / 2 : 3 * std::numbers::pi / 2;
  if (dx > 0) return std::atan(dy / dx);
  return std::numbers::pi + std::atan(dy / dx);
}

void draw_arrow_barbs(const Point& tip, double alpha, double length) {
  const double turn = 1.3 * std::numbers::pi;
  Line(to_pixel(tip.x), to_pixel(tip.y), to_pixel(tip.x + length * std::cos(alpha + turn)),
       to_pixel(tip.y + length * std::sin(alpha + turn)));
  Line(to_pixel(tip.x), to_pixel(tip.y), to_pixel(tip.x + length * std::cos(alpha - turn)),
       to_pixel(tip.y + length * std::sin(alpha - turn)));
}
