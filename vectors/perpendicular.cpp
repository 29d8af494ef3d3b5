// A random segment AB and fifty random points: the perpendicular from a point
// onto AB is drawn when its foot lies within the segment, the point is near
// the line and it sees the midpoint M almost along the line.
#include <cstdint>

#include "demo_frame.h"
#include "perpendicular_geometry.h"

namespace {

constexpr int kPoints = 50;

void Mark(const Point& P) { Circle(to_pixel(P.x), to_pixel(P.y), 2); }

}  // namespace

int main() {
  open_demo_window("PERPENDICULARITATE");
  Randomize();
  SetColor(LightGray);

  // Neither vertical nor horizontal, so the slope and its inverse both exist.
  Point A;
  Point B;
  do {
    A.x = Random(GetMaxX());
    A.y = Random(GetMaxY());
    B.x = Random(GetMaxX());
    B.y = Random(GetMaxY());
  } while (A.x == B.x || A.y == B.y);

  Line(to_pixel(A.x), to_pixel(A.y), to_pixel(B.x), to_pixel(B.y));
  SetColor(LightRed);
  OutTextXY(to_pixel(A.x), to_pixel(A.y), "A");
  OutTextXY(to_pixel(B.x), to_pixel(B.y), "B");
  SetColor(LightGray);

  for (std::int32_t i = 1; i <= kPoints; ++i) {
    Point P;
    P.x = Random(GetMaxX());
    P.y = Random(GetMaxY());
    Mark(P);
    SetColor(LightRed);
    OutTextXY(to_pixel(P.x), to_pixel(P.y), Str(i));
    SetColor(LightGray);

    const Point F = PerpendicularFoot(A, B, P);
    const double dist = Distance(F, P);
    const Point M{(A.x + B.x) / 2, (A.y + B.y) / 2};
    Mark(M);
    const double v = AngleAtMidpoint(P, M, B);
    if (PerpendicularShown(A, B, F, dist, v)) {
      Mark(F);
      Line(to_pixel(P.x), to_pixel(P.y), to_pixel(F.x), to_pixel(F.y));
    }

    OutTextXY(0, 10 * i, value_text(Str(i) + " <<<---- ", v, 4, 2));
  }

  ReadKey();
  CloseGraph();
}
