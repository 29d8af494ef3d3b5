// Two vectors from the centre of the window, their tips dragged with the
// mouse, and the angle between them written beside the pointer.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "angle_from_cosine.h"
#include "demo_frame.h"

namespace {

// The shaft from the origin and the two barbs at the tip.
void DrawArrow(const Point& O, const Point& vector) {
  const Point tip{O.x + vector.x, O.y + vector.y};
  Line(to_pixel(O.x), to_pixel(O.y), to_pixel(tip.x), to_pixel(tip.y));
  draw_arrow_barbs(tip, DirectionAngle(vector.x, vector.y), 8);
}

}  // namespace

int main() {
  open_demo_window("UNGHIUL DINTRE 2 VECTORI");
  std::int16_t page = 0;
  Point U{100, 0};
  Point V{0, 100};
  std::int32_t grabbed = 0;
  std::int32_t held = 0;
  const Point O{GetMaxX() / 2.0, GetMaxY() / 2.0};

  do {
    const MouseState mouse = sample_mouse();
    flip_pages(page);

    // The arrows show the tips as the previous frame left them.
    SetColor(White);
    DrawArrow(O, U);
    DrawArrow(O, V);

    grab_within_radius(U, O, 1, mouse, held, grabbed);
    grab_within_radius(V, O, 2, mouse, held, grabbed);
    end_grab_frame(mouse, held, grabbed);

    // No drag can make a vector zero: its components are odd multiples of 0.5.
    const double dot = V.x * U.x + V.y * U.y;
    const double norms = std::sqrt(U.x * U.x + U.y * U.y) * std::sqrt(V.x * V.x + V.y * V.y);
    const double angle = AngleFromCosine(dot / norms);
    // In red when a tip was highlighted this frame.
    OutTextXY(mouse.x, mouse.y + 15,
              value_text("", 180 * angle / std::numbers::pi, 3, 3, " grade"));
  } while (!KeyPressed());

  CloseGraph();
}
