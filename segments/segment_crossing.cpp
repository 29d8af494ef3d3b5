// Two segments AB and CD with their ends labelled; a red circle marks where
// the lines through them cross, on the segments or beyond them. B follows the
// left button, D the right one; A and C stay. Any key ends it.
#include <array>
#include <cstdint>

#include "demo_frame.h"
#include "point_drawing.h"
#include "segment_crossing_geometry.h"

namespace {

// The letter 5 pixels right of and above its point.
void Label(const Point& p, std::string_view letter) {
  OutTextXY(to_pixel(p.x + 5), to_pixel(p.y - 5), letter);
}

}  // namespace

int main() {
  open_demo_window("INTERSECTII DE SEGMENTE");
  std::int16_t page = 0;

  const double H = GetMaxY(), W = GetMaxX();
  const Point A{100, H / 2};
  Point B{200, H / 2 + 100};
  const Point C{W / 2, H / 2 - 100};
  Point D{W / 2 - 150, H / 2 + 100};
  const std::array<ButtonBinding, 2> ends_by_button{{{MouseLeft, &B}, {MouseRight, &D}}};

  do {
    flip_pages(page);
    button_selects_point(ends_by_button, sample_mouse());

    SetColor(White);
    LineBetween(A, B);
    LineBetween(C, D);
    SetTextStyle(ArialFont, 0, 2);
    SetTextJustify(1, 1);
    Label(A, "A");
    Label(B, "B");
    Label(C, "C");
    Label(D, "D");

    const Point AB{B.x - A.x, B.y - A.y};
    const Point CD{D.x - C.x, D.y - C.y};
    const double t1 = CrossingParameter(A, AB, D, CD);
    SetColor(Red);
    if (t1 < NoCrossing) CircleAround({Interpolate(A.x, B.x, t1), Interpolate(A.y, B.y, t1)}, 8);
  } while (!KeyPressed());

  CloseGraph();
}
