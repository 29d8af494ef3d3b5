#include "demo_frame.h"

// Every product and difference is rounded on its own, in the order written:
// with the segments exchanged d1, d2 and d3, d4 trade places and den, nx, ny
// become their exact negatives, so X comes out bit for bit the same.
void IntersectSegments(Point P1, Point P2, Point P3, Point P4, Point& X, bool& Crossing) {
  const double x1 = P1.x, y1 = P1.y, x2 = P2.x, y2 = P2.y;
  const double x3 = P3.x, y3 = P3.y, x4 = P4.x, y4 = P4.y;

  const double d1 = (y3 - y1) * (x2 - x1) - (x3 - x1) * (y2 - y1);
  const double d2 = (y4 - y1) * (x2 - x1) - (x4 - x1) * (y2 - y1);
  const double d3 = (y1 - y3) * (x4 - x3) - (x1 - x3) * (y4 - y3);
  const double d4 = (y2 - y3) * (x4 - x3) - (x2 - x3) * (y4 - y3);

  const double den = (x4 - x3) * (y2 - y1) - (x2 - x1) * (y4 - y3);
  const double nx = (y3 * x4 - y4 * x3) * (x2 - x1) - (y1 * x2 - y2 * x1) * (x4 - x3);
  const double ny = (y3 * x4 - y4 * x3) * (y2 - y1) - (y1 * x2 - y2 * x1) * (y4 - y3);

  // d1 = d2 and d3 = d4 each hold exactly when den = 0: parallel never meets.
  Crossing = d1 * d2 <= 0 && d3 * d4 <= 0 && d1 != d2 && d3 != d4;
  if (den != 0) {
    // A zero numerator would take the sign of den, which flips with the
    // order; adding +0 turns -0 into +0 and leaves every other value alone.
    X = {nx / den + 0.0, ny / den + 0.0};
  } else {
    Crossing = false;
    X = {0, 0};
  }
}
