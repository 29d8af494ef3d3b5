#include "overlap.h"

bool InsidePolygon(std::span<const Point> P, Point Q) {
  const std::size_t n = P.size();
  int count = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Point& a = P[i];
    const Point& b = P[NextVertex(i, n)];
    // A straddling edge has a.y != b.y, so the division is safe; horizontal
    // edges never straddle.
    if ((a.y <= Q.y && b.y > Q.y) || (b.y <= Q.y && a.y > Q.y)) {
      const double xc = a.x + (b.x - a.x) * (Q.y - a.y) / (b.y - a.y);
      if (Q.x < xc) ++count;
    }
  }
  return count % 2 == 1;
}
