#include <cmath>
#include <utility>

#include "overlap.h"

double Distance(Point P, Point Q) {
  const double dx = std::abs(Q.x - P.x);
  const double dy = std::abs(Q.y - P.y);
  return std::sqrt(dx * dx + dy * dy);
}

void RemovePoint(PointList& L, Point P) {
  std::erase_if(L, [P](const Point& entry) { return SamePoint(entry, P); });
}

int SortFromFirst(PointList& L) {
  if (L.empty()) return 0;
  PointList result{L[0]};
  while (L.size() > 1) {
    std::size_t nearest = 1;  // taken when nothing lies nearer than best: always progress
    double best = 1.0e10;
    for (std::size_t k = 1; k < L.size(); ++k) {
      const double d = Distance(L[0], L[k]);
      if (d < best) {
        best = d;
        nearest = k;
      }
    }
    const Point chosen = L[nearest];
    result.push_back(chosen);
    RemovePoint(L, chosen);
  }
  L = std::move(result);
  return static_cast<int>(L.size());
}
