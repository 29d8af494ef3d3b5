// A line given by its distance d from the origin O and its normal n, turning
// a tenth of a degree per frame until a key is pressed.
#include <numbers>

#include "demo_frame.h"
#include "normal_line_construction.h"

int main() {
  open_demo_window("DREAPTA DEFINITA PRIN DISTANTA SI NORMALA");
  std::int16_t page = 0;
  SetTextStyle(ArialFont, 0, 2);
  SetTextJustify(1, 1);
  double deg = 0;

  do {
    flip_pages(page);
    const double d = 50;
    const double theta = deg * std::numbers::pi / 180;
    deg += 0.1;
    const Point O{GetMaxX() / 2.0, GetMaxY() / 2.0};
    const NormalLine n = ConstructNormalLine(O, d, theta);

    circle_around(n.F, 5);
    move_to(n.F);
    line_to(n.ahead);
    line_to(n.behind);
    line_between(O, n.F);
    text_at(n.middle, "d");

    line_between(n.G, n.H);
    draw_arrow_barbs(n.H, DirectionAngle(n.H.x - n.G.x, n.H.y - n.G.y), 20);
    text_at(n.G, "n");

    circle_around(O, 5);
  } while (!KeyPressed());

  CloseGraph();
}
