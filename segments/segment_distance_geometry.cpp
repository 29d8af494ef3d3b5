#include "segment_distance_geometry.h"

#include <cmath>

namespace {

Point Minus(const Point& p, const Point& q) { return {p.x - q.x, p.y - q.y}; }

double Dot(const Point& p, const Point& q) { return p.x * q.x + p.y * q.y; }

Point Along(const Point& start, const Point& direction, double t) {
  return {start.x + t * direction.x, start.y + t * direction.y};
}

// num / den held to 0..1; a zero den belongs to a zero-length segment, whose
// only point has parameter 0.
double ClampedRatio(double num, double den) {
  if (num < 0 || den == 0) return 0;
  if (num > den) return 1;
  return num / den;
}

}  // namespace

bool SegmentsCross(const Segment& S1, const Segment& S2, Point& I) {
  const Point u = Minus(S1.P2, S1.P1);
  const Point v = Minus(S2.P2, S2.P1);
  const Point w = Minus(S1.P1, S2.P1);
  const double det = u.y * v.x - u.x * v.y;
  if (det == 0) return false;
  // S1.P1 + s * u = S2.P1 + r * v.
  const double s = (v.y * w.x - v.x * w.y) / det;
  const double r = (u.y * w.x - u.x * w.y) / det;
  I = Along(S1.P1, u, s);
  return s >= 0 && s <= 1 && r >= 0 && r <= 1;
}

// Minimises |S1.P1 + sc * u - (S2.P1 + tc * v)|^2 over 0 <= sc, tc <= 1,
// keeping each parameter as numerator and denominator until it is settled.
void ClosestPoints(Point& K1, Point& K2, const Segment& S1, const Segment& S2) {
  const Point u = Minus(S1.P2, S1.P1);
  const Point v = Minus(S2.P2, S2.P1);
  const Point w = Minus(S1.P1, S2.P1);
  const double a = Dot(u, u), b = Dot(u, v), c = Dot(v, v), d = Dot(u, w), e = Dot(v, w);
  const double D = a * c - b * b;

  double sN, sD, tN, tD;
  if (!(1e-7 < std::abs(D))) {
    // Parallel: S1.P1 is the candidate on S1.
    sN = 0, sD = c, tN = e, tD = c;
  } else {
    sN = b * e - c * d, sD = D, tN = a * e - b * d, tD = D;
    if (sN < 0) {
      sN = 0, tN = e, tD = c;
    } else if (sN > sD) {
      sN = sD, tN = e + b, tD = c;
    }
  }

  // tD = 0 only for a zero-length S2: its one point, then the foot on S1.
  double sc, tc;
  if (tN < 0 || tD == 0) {
    tc = 0, sc = ClampedRatio(-d, a);
  } else if (tN > tD) {
    tc = 1, sc = ClampedRatio(b - d, a);
  } else {
    tc = tN / tD, sc = sN / sD;
  }

  K1 = Along(S1.P1, u, sc);
  K2 = Along(S2.P1, v, tc);
}
