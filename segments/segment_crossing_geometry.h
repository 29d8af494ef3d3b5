// Where two lines cross, as a parameter along the first line.
#pragma once

#include "demo_frame.h"

// What CrossingParameter returns for parallel lines; no real crossing comes
// near it.
inline constexpr double NoCrossing = 1e32;

// a + (b - a) * t.
double Interpolate(double a, double b, double t);

// The t for which P + t * U lies on the line through Q with direction V: 0 at
// P, 1 at P + U. Lines with |U x V| at most 1e-7 count as parallel and give
// NoCrossing.
double CrossingParameter(const Point& P, const Point& U, const Point& Q, const Point& V);
