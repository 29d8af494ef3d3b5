// The circle through the three vertices of a triangle.
#pragma once

#include <optional>

#include "demo_frame.h"

struct Circumcircle {
  Point C;   // the centre, where the perpendicular bisectors of the sides meet
  double r;  // the distance from C to the first vertex
};

// None when the vertices lie on one line (two or three of them coinciding
// included): then no circle passes through all three.
std::optional<Circumcircle> CircumscribedCircle(Point P1, Point P2, Point P3);
