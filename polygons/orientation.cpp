#include "overlap.h"

bool NegativeOrientation(std::span<const Point> P) {
  const std::size_t n = P.size();
  // The closing edge's term first, then each edge's, rounded step by step.
  double s = P[0].y * P[n - 1].x - P[0].x * P[n - 1].y;
  for (std::size_t i = 0; i + 1 < n; ++i) s = (P[i].x * P[i + 1].y + s) - P[i].y * P[i + 1].x;
  return s < 0;
}
