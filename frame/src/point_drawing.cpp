#include "demo_frame.h"

void move_to(const Point& p) { MoveTo(to_pixel(p.x), to_pixel(p.y)); }

void line_to(const Point& p) { LineTo(to_pixel(p.x), to_pixel(p.y)); }

void line_between(const Point& from, const Point& to) {
  Line(to_pixel(from.x), to_pixel(from.y), to_pixel(to.x), to_pixel(to.y));
}

void circle_around(const Point& centre, std::int32_t radius) {
  Circle(to_pixel(centre.x), to_pixel(centre.y), radius);
}

void text_at(const Point& p, std::string_view text) {
  OutTextXY(to_pixel(p.x), to_pixel(p.y), text);
}
