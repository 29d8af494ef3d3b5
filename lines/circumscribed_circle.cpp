#include "circumscribed_circle.h"

#include <cmath>

// With whole-number vertices inside the window every product and sum below is
// exact, so D is 0 exactly when the vertices are collinear.
std::optional<Circumcircle> CircumscribedCircle(Point P1, Point P2, Point P3) {
  const double x1 = P1.x, y1 = P1.y, x2 = P2.x, y2 = P2.y, x3 = P3.x, y3 = P3.y;

  const double D = 2 * (x1 * (y2 - y3) + x2 * (y3 - y1) + x3 * (y1 - y2));
  if (D == 0) return std::nullopt;

  const double s1 = x1 * x1 + y1 * y1;
  const double s2 = x2 * x2 + y2 * y2;
  const double s3 = x3 * x3 + y3 * y3;
  const double cx = (s1 * (y2 - y3) + s2 * (y3 - y1) + s3 * (y1 - y2)) / D;
  const double cy = (s1 * (x3 - x2) + s2 * (x1 - x3) + s3 * (x2 - x1)) / D;
  const double r = std::sqrt((x1 - cx) * (x1 - cx) + (y1 - cy) * (y1 - cy));
  return Circumcircle{{cx, cy}, r};
}
