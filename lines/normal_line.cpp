// A line given by its distance d from the origin O and its normal n, turning
// a tenth of a degree per frame until a key is pressed.
#include <numbers>

#include "demo_frame.h"
#include "normal_line_construction.h"

namespace {

void move_to(Point p) { MoveTo(to_pixel(p.x), to_pixel(p.y)); }
void line_to(Point p) { LineTo(to_pixel(p.x), to_pixel(p.y)); }
void line(Point a, Point b) { Line(to_pixel(a.x), to_pixel(a.y), to_pixel(b.x), to_pixel(b.y)); }

}  // namespace

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

    Circle(to_pixel(n.F.x), to_pixel(n.F.y), 5);
    move_to(n.F);
    line_to(n.ahead);
    line_to(n.behind);
    line(O, n.F);
    OutTextXY(to_pixel(n.middle.x), to_pixel(n.middle.y), "d");

    line(n.G, n.H);
    draw_arrow_barbs(n.H, DirectionAngle(n.H.x - n.G.x, n.H.y - n.G.y), 20);
    OutTextXY(to_pixel(n.G.x), to_pixel(n.G.y), "n");

    Circle(to_pixel(O.x), to_pixel(O.y), 5);
  } while (!KeyPressed());

  CloseGraph();
}
