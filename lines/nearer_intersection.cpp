#include "nearer_intersection.h"

#include <cmath>

// The roots of a*t^2 + 2*b*t + (|A - M|^2 - R^2) = 0, with disc a quarter of
// its discriminant.
double NearerIntersection(Point A, Point B, Point M, double R) {
  const double dx = B.x - A.x;
  const double dy = B.y - A.y;
  const double a = dx * dx + dy * dy;
  const double fx = A.x - M.x;
  const double fy = A.y - M.y;
  const double b = fx * dx + fy * dy;
  const double disc = (R * R - fx * fx - fy * fy) * a + b * b;
  if (disc < 0) return 1;
  const double t = (-b - std::sqrt(disc)) / a;
  return t < 0 ? 1 : t;
}
