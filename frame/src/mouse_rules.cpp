// The three rules by which the mouse moves control points.
#include "demo_frame.h"

void pick_nearest_on_press(Point* points, int count, const MouseState& mouse,
                           std::int32_t& previous_buttons, std::int32_t& selected) {
  const double x = mouse.x;
  const double y = mouse.y;
  if (mouse.buttons > previous_buttons) {
    double best = 1.0E32;
    for (int i = 0; i < count; ++i) {
      double d = (points[i].x - x) * (points[i].x - x) + (points[i].y - y) * (points[i].y - y);
      if (d < best) {
        best = d;
        selected = i;
      }
    }
  }
  previous_buttons = mouse.buttons;
  if (mouse.buttons == MouseLeft && selected >= 0 && selected < count) points[selected] = {x, y};
}

void grab_within_radius(Point& vector, const Point& origin, std::int32_t tip,
                        const MouseState& mouse, std::int32_t held, std::int32_t& grabbed) {
  const double x = mouse.x;
  const double y = mouse.y;
  const double tx = origin.x + vector.x;
  const double ty = origin.y + vector.y;
  if ((tx - x) * (tx - x) + (ty - y) * (ty - y) < 100) {
    SetColor(Red);
    Circle(to_pixel(tx), to_pixel(ty), 10);
    // Tip 1 is tried first, so it wins when both are near.
    if (held == 1 && (grabbed == 0 || grabbed == tip)) grabbed = tip;
  }
  if (grabbed == tip) vector = {x - origin.x, y - origin.y};
}

void end_grab_frame(const MouseState& mouse, std::int32_t& held, std::int32_t& grabbed) {
  if (mouse.buttons == MouseLeft) {
    held = 1;
  } else {
    held = 0;
    grabbed = 0;
  }
}

void button_selects_point(std::span<const ButtonBinding> table, const MouseState& mouse) {
  for (const ButtonBinding& binding : table) {
    if (binding.buttons == mouse.buttons) {
      *binding.point = {static_cast<double>(mouse.x), static_cast<double>(mouse.y)};
      return;
    }
  }
}
