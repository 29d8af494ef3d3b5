// Two random segments AB and CD and the crossing of their lines: a light
// green circle when the segments meet there, magenta when only the lines do.
// Every key shows a new pair; Esc ends it.
#include "demo_frame.h"
#include "point_drawing.h"

namespace {

constexpr char Escape = 27;

// x from Random(GetMaxX), then y from Random(GetMaxY).
Point RandomPoint() {
  const double x = Random(GetMaxX());
  const double y = Random(GetMaxY());
  return {x, y};
}

}  // namespace

int main() {
  open_demo_window("INTERSECTII");
  Randomize();

  char key;
  do {
    const Point A = RandomPoint();
    const Point B = RandomPoint();
    const Point C = RandomPoint();
    const Point D = RandomPoint();
    SetColor(White);
    LineBetween(A, B);
    LineBetween(C, D);

    Point X;
    bool Crossing;
    IntersectSegments(A, B, C, D, X, Crossing);
    // X = (0, 0) without a crossing stands for parallel, collinear and
    // zero-length pairs.
    if (Crossing || X.x != 0 || X.y != 0) {
      SetColor(Crossing ? LightGreen : Magenta);
      CircleAround(X, 4);
    }

    key = ReadKey();
    ClearDevice();
  } while (key != Escape);

  CloseGraph();
}
