// Where the ray from A through B first meets a circle.
#pragma once

#include "demo_frame.h"

// The parameter t of the nearer crossing A + t*(B - A) of the line AB with the
// circle (M, R), a tangent point included; 1, the whole segment, when the line
// misses the circle or that crossing lies behind A. A and B must differ.
double NearerIntersection(Point A, Point B, Point M, double R);
