#include "perpendicular_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double Min(double p, double q) { return q <= p ? q : p; }

double Max(double p, double q) { return q >= p ? q : p; }

double Distance(const Point& P, const Point& Q) {
  return std::sqrt((P.x - Q.x) * (P.x - Q.x) + (P.y - Q.y) * (P.y - Q.y));
}

Point PerpendicularFoot(const Point& A, const Point& B, const Point& P) {
  const double m = (B.y - A.y) / (B.x - A.x);
  Point F;
  F.x = (P.x / m + A.x * m + P.y - A.y) / (1 / m + m);
  F.y = (F.x - A.x) * m + A.y;
  return F;
}

double AngleAtMidpoint(const Point& P, const Point& M, const Point& B) {
  const double a = Distance(P, M);
  const double b = Distance(B, P);
  const double c = Distance(M, B);
  const double s = (b + a + c) / 2;
  if (a == 0) return 90;
  // b = a + c: P on the line beyond M. Rounding can also carry s - b a step
  // below 0 there, which would take the root of a negative quotient.
  if (s - b <= 0) return 180;
  // On the line on B's side s - a or s - c may likewise round below 0.
  const double q = std::max((s - a) * (s - c) / ((s - b) * s), 0.0);
  return (2 * 180 / std::numbers::pi) * std::atan(std::sqrt(q));
}

bool PerpendicularShown(const Point& A, const Point& B, const Point& F, double dist, double v) {
  return F.x >= Min(A.x, B.x) && F.x <= Max(A.x, B.x) && F.y >= Min(A.y, B.y) &&
         F.y <= Max(A.y, B.y) && dist <= 150 && (std::abs(v) <= 30 || std::abs(v - 180) <= 30);
}
