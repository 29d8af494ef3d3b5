// The geometry of the perpendicularity picture: the foot of a point on the
// line AB, the angle at the midpoint M, and the tests that decide whether the
// perpendicular is drawn.
#pragma once

#include "demo_frame.h"

// q when q <= p, otherwise p.
double Min(double p, double q);
// q when q >= p, otherwise p.
double Max(double p, double q);

double Distance(const Point& P, const Point& Q);

// Foot of the perpendicular from P onto the line through A and B: the
// crossing of that line (slope m) with the line through P of slope -1/m.
// A and B must differ in both coordinates.
Point PerpendicularFoot(const Point& A, const Point& B, const Point& P);

// The angle at M between MP and MB in degrees, 0 to 180, by the half-angle
// formula on the triangle P, M, B. Where that formula has no value it gives
// a number all the same: 90 for P at M (no direction, and far from both 0
// and 180), 180 for P on the line beyond M.
double AngleAtMidpoint(const Point& P, const Point& M, const Point& B);

// Whether the perpendicular from a point with foot F, distance dist and angle
// v is drawn: F within the segment's extent, dist at most 150 and v within 30
// degrees of 0 or of 180.
bool PerpendicularShown(const Point& A, const Point& B, const Point& F, double dist, double v);
