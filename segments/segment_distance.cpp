// Two segments and where they come nearest: one light magenta circle at their
// crossing, otherwise a light green and a light blue circle at the closest
// pair. Each end follows its own buttons value; any key ends it.
#include <array>
#include <cstdint>

#include "demo_frame.h"
#include "point_drawing.h"
#include "segment_distance_geometry.h"

int main() {
  open_demo_window("CEA MAI MICA DISTANTA DINTRE SEGMENTE");
  std::int16_t page = 0;

  const double W = GetMaxX(), H = GetMaxY();
  Segment S1{{W / 2 - 100, H / 2 + 150}, {W / 2 - 200, H / 2}};
  Segment S2{{W / 2 + 100, H / 2 - 150}, {W / 2 + 150, H / 2 + 50}};
  const std::array<ButtonBinding, 4> ends_by_button{{{MouseLeft, &S2.P1},
                                                     {MouseRight, &S2.P2},
                                                     {MouseLeft | MouseRight, &S1.P1},
                                                     {MouseMiddle, &S1.P2}}};

  do {
    flip_pages(page);
    button_selects_point(ends_by_button, sample_mouse());

    SetColor(White);
    LineBetween(S1.P1, S1.P2);
    LineBetween(S2.P1, S2.P2);

    Point I;
    if (SegmentsCross(S1, S2, I)) {
      SetColor(LightMagenta);
      CircleAround(I, 10);
    } else {
      Point K1, K2;
      ClosestPoints(K1, K2, S1, S2);
      SetColor(LightGreen);
      CircleAround(K1, 10);
      SetColor(LightBlue);
      CircleAround(K2, 10);
    }
  } while (!KeyPressed());

  CloseGraph();
}
