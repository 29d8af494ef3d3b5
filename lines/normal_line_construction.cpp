#include "normal_line_construction.h"

#include <cmath>

NormalLine ConstructNormalLine(Point O, double d, double theta) {
  const Point v{std::cos(theta), -std::sin(theta)};
  const Point w{-std::sin(theta), -std::cos(theta)};
  double len = 100;  // half the drawn piece of line

  NormalLine n;
  n.F = {O.x + d * v.x, O.y + d * v.y};
  n.ahead = {n.F.x + len * w.x, n.F.y + len * w.y};
  n.behind = {n.F.x - len * w.x, n.F.y - len * w.y};
  n.middle = {O.x + 0.5 * (n.F.x - O.x), O.y + 0.5 * (n.F.y - O.y)};
  n.G = {n.F.x + 0.5 * len * w.x, n.F.y + 0.5 * len * w.y};
  len = 60;  // the shaft of the arrow
  n.H = {n.G.x + len * -w.y, n.G.y + len * w.x};
  return n;
}
