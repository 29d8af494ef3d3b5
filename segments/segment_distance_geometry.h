// Whether two segments cross, and the nearest points of two segments.
#pragma once

#include "demo_frame.h"

struct Segment {
  Point P1;
  Point P2;
};

// True when the segments are not parallel and share a point, an end point
// included; I is then that point. Parallel and collinear pairs, and pairs
// with a zero-length segment, give false and leave I of no use.
bool SegmentsCross(const Segment& S1, const Segment& S2, Point& I);

// K1 on S1 and K2 on S2, nearest to each other. A zero-length segment is
// taken as the point it is, with parameter 0.
void ClosestPoints(Point& K1, Point& K2, const Segment& S1, const Segment& S2);
