// A random triangle with the circle through its vertices and the circle's
// radius, a new triangle for every key until Esc.
#include "circumscribed_circle.h"
#include "demo_frame.h"

int main() {
  open_demo_window("CERCUL CIRCUMSCRIS TRIUNGHIULUI");

  char key;
  do {
    ClearDevice();
    Randomize();
    const double x1 = Random(GetMaxX());
    const double x2 = Random(GetMaxX());
    const double x3 = Random(GetMaxX());
    const double y1 = Random(GetMaxY());
    const double y2 = Random(GetMaxY());
    const double y3 = Random(GetMaxY());

    SetColor(LightRed);
    Circle(to_pixel(x1), to_pixel(y1), 2);
    Circle(to_pixel(x2), to_pixel(y2), 2);
    Circle(to_pixel(x3), to_pixel(y3), 2);

    SetColor(LightBlue);
    Line(to_pixel(x1), to_pixel(y1), to_pixel(x2), to_pixel(y2));
    Line(to_pixel(x2), to_pixel(y2), to_pixel(x3), to_pixel(y3));
    Line(to_pixel(x3), to_pixel(y3), to_pixel(x1), to_pixel(y1));

    // A flat triangle has no circle: it stays drawn as it is, without one.
    if (const auto circle = CircumscribedCircle({x1, y1}, {x2, y2}, {x3, y3})) {
      SetColor(LightGreen);
      Circle(to_pixel(circle->C.x), to_pixel(circle->C.y), to_pixel(circle->r));
      OutTextXY(10, 10, value_text("RAZA=", circle->r, 5, 5));
    }

    key = ReadKey();
  } while (key != 27);

  CloseGraph();
}
