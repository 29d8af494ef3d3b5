// A random quadrilateral and 1000 random points; the points inside it, by the
// even-odd count of a ray towards larger x, get a second circle. Any key
// draws a new one; Esc ends the program.
#include <array>

#include "demo_frame.h"
#include "overlap.h"

namespace {

constexpr char Esc = 27;
constexpr int TestPoints = 1000;

// A random whole-number point of the window, x drawn first.
Point random_point() {
  Point p;
  p.x = Random(GetMaxX());
  p.y = Random(GetMaxY());
  return p;
}

}  // namespace

int main() {
  open_demo_window("INTERIORUL POLIGONULUI");
  do {
    Randomize();
    ClearDevice();

    SetColor(White);
    std::array<Point, 4> corner;
    for (Point& v : corner) {
      v = random_point();
      circle_around(v, 2);
    }
    SetColor(LightRed);
    for (std::size_t i = 0; i < corner.size(); ++i)
      line_between(corner[i], corner[(i + 1) % corner.size()]);

    for (int k = 0; k < TestPoints; ++k) {
      SetColor(LightGray);
      const Point p = random_point();
      circle_around(p, 2);
      if (InsidePolygon(corner, p)) {
        SetColor(LightRed);
        circle_around(p, 4);
      }
    }
  } while (ReadKey() != Esc);
  CloseGraph();
}
