// Two polygons entered by clicks, one after the other, then the region where
// they overlap filled in light green over both outlines. A left click places a
// vertex, a right click or a key ends a polygon; a key after each step.
#include <vector>

#include "demo_frame.h"
#include "overlap.h"

namespace {

constexpr int MaxVertices = 200;
constexpr std::int16_t SolidFill = 1;

// Vertices where the left button alone goes down and every button and
// modifier is released; a right click alone, a key (left waiting) or the
// last vertex allowed ends the input. Draws in the current colour.
PointList ReadPolygon(int maxCount) {
  PointList P;
  MouseState mouse;
  do {
    mouse = sample_mouse();
    if (mouse.buttons == MouseLeft) {
      do mouse = sample_mouse();
      while (mouse.buttons != 0);
      P.push_back({static_cast<double>(mouse.x), static_cast<double>(mouse.y)});
      Circle(mouse.x, mouse.y, 2);
    }
  } while (
      !(mouse.buttons == MouseRight || KeyPressed() || static_cast<int>(P.size()) >= maxCount));
  return P;
}

// The closed outline in colour; with fill, the polygon filled solid light
// green, FillPoly outlining it once more in colour.
void DrawPolygon(bool fill, Colour colour, const PointList& P) {
  const std::size_t n = P.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point& a = P[i];
    const Point& b = P[(i + 1) % n];
    SetColor(colour);
    line_between(a, b);
  }
  if (fill) {
    std::vector<PointType> corners;
    for (const Point& p : P) corners.push_back({to_pixel(p.x), to_pixel(p.y)});
    SetFillStyle(SolidFill, LightGreen);
    FillPoly(static_cast<std::int16_t>(corners.size()), corners.data());
  }
}

}  // namespace

int main() {
  open_demo_window("INTERSECTIA POLIGOANELOR");

  SetColor(LightRed);
  PointList A = ReadPolygon(MaxVertices);
  DrawPolygon(false, LightRed, A);
  ReadKey();

  SetColor(LightBlue);
  PointList B = ReadPolygon(MaxVertices);
  DrawPolygon(false, LightBlue, B);
  ReadKey();

  if (A.size() < 2 || B.size() < 2) {
    CloseGraph();
    return 0;
  }
  OverlapLoops overlap;
  if (!TraceOverlap(A, B, overlap)) {
    CloseGraph();
    return 0;
  }
  for (const PointList& loop : overlap.Split()) DrawPolygon(true, LightGreen, loop);

  ReadKey();
  CloseGraph();
}
