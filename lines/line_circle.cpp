// A segment turning about its end A beside a fixed circle, drawn only up to
// the first point where it meets the circle, until a key is pressed.
#include <cmath>

#include "demo_frame.h"
#include "nearer_intersection.h"

int main() {
  open_demo_window("INTERSECTIE INTRE DREAPTA SI CERC");
  std::int16_t page = 0;
  double angle = 0;

  do {
    flip_pages(page);
    angle += 0.01;
    const double L = 200;
    const Point M{GetMaxX() / 2.0, GetMaxY() / 2.0};
    const double R = 70;
    const Point A{M.x - 90, M.y - 90};
    const Point B{std::cos(angle) * L + A.x, std::sin(angle) * L + A.y};
    Circle(to_pixel(M.x), to_pixel(M.y), to_pixel(R));

    const double t = NearerIntersection(A, B, M, R);
    const Point P{t * (B.x - A.x) + A.x, t * (B.y - A.y) + A.y};
    Circle(to_pixel(P.x), to_pixel(P.y), 3);
    Line(to_pixel(A.x), to_pixel(A.y), to_pixel(P.x), to_pixel(P.y));

    Delay(5);
  } while (!KeyPressed());

  CloseGraph();
}
