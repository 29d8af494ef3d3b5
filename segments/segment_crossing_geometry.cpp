#include "segment_crossing_geometry.h"

#include <cmath>

double Interpolate(double a, double b, double t) { return a + (b - a) * t; }

// From P + t * U = Q + s * V: t = ((Q - P) x V) / (U x V); den is -(U x V).
double CrossingParameter(const Point& P, const Point& U, const Point& Q, const Point& V) {
  const double den = V.x * U.y - U.x * V.y;
  if (1e-7 < std::abs(den)) return (V.x * (Q.y - P.y) - V.y * (Q.x - P.x)) / den;
  return NoCrossing;
}
