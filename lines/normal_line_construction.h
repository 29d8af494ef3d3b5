// The line at distance d from an origin O with the normal n, as the normal_line
// demo draws it. The normal turns with theta: v = (cos theta, -sin theta) runs
// from O to the foot point F (anticlockwise on the screen) and the line runs
// along w = (-sin theta, -cos theta), so O-F always meets the line at a right
// angle at F and the arrow n points along v, away from O.
#pragma once

#include "demo_frame.h"

struct NormalLine {
  Point F;       // the foot point, O + d*v
  Point ahead;   // F + 100*w, one end of the drawn piece of line
  Point behind;  // F - 100*w, its other end
  Point middle;  // the middle of O-F, where the label "d" stands
  Point G;       // the foot of the arrow n, F + 50*w
  Point H;       // its tip, G + 60*(w turned a quarter turn), that is G + 60*v
};

NormalLine ConstructNormalLine(Point O, double d, double theta);
