// ClosestPoints and SegmentsCross on segments the mouse can make: K1 on S1
// and K2 on S2, no farther apart than any end of one from the other segment
// (so than any two ends), and as near as the segments come when they do not
// cross; SegmentsCross decides as exact arithmetic does and puts I on both.
#include <algorithm>
#include <cmath>

#include "fuzz_points.h"
#include "segment_distance_geometry.h"

namespace {

double Length(Point P, Point Q) { return std::hypot(Q.x - P.x, Q.y - P.y); }

// The distance of R from the segment PQ, by its own projection.
double FromSegment(Point R, Point P, Point Q) {
  const double dx = Q.x - P.x, dy = Q.y - P.y, length2 = dx * dx + dy * dy;
  if (length2 == 0) return Length(R, P);
  const double t = std::clamp(((R.x - P.x) * dx + (R.y - P.y) * dy) / length2, 0.0, 1.0);
  return Length(R, {P.x + t * dx, P.y + t * dy});
}

// Side of R against the line PQ: +1, 0 or -1. Exact: halves of at most a
// few thousand give products far inside 2^53.
int Side(Point P, Point Q, Point R) {
  const double c = (Q.x - P.x) * (R.y - P.y) - (Q.y - P.y) * (R.x - P.x);
  return (c > 0) - (c < 0);
}

// R, on the line PQ, lies between P and Q.
bool Within(Point P, Point Q, Point R) {
  return std::min(P.x, Q.x) <= R.x && R.x <= std::max(P.x, Q.x) && std::min(P.y, Q.y) <= R.y &&
         R.y <= std::max(P.y, Q.y);
}

// Whether the closed segments share a point, zero-length and collinear ones
// included, by the signs of exact cross products.
bool Meet(const Segment& S1, const Segment& S2) {
  const int o1 = Side(S1.P1, S1.P2, S2.P1), o2 = Side(S1.P1, S1.P2, S2.P2);
  const int o3 = Side(S2.P1, S2.P2, S1.P1), o4 = Side(S2.P1, S2.P2, S1.P2);
  if (o1 != o2 && o3 != o4) return true;
  return (o1 == 0 && Within(S1.P1, S1.P2, S2.P1)) || (o2 == 0 && Within(S1.P1, S1.P2, S2.P2)) ||
         (o3 == 0 && Within(S2.P1, S2.P2, S1.P1)) || (o4 == 0 && Within(S2.P1, S2.P2, S1.P2));
}

void Check(const Segment& S1, const Segment& S2, double slack) {
  Point K1, K2;
  ClosestPoints(K1, K2, S1, S2);
  FUZZ_CHECK(std::isfinite(K1.x) && std::isfinite(K1.y) && std::isfinite(K2.x) &&
             std::isfinite(K2.y));
  FUZZ_CHECK(FromSegment(K1, S1.P1, S1.P2) <= slack);
  FUZZ_CHECK(FromSegment(K2, S2.P1, S2.P2) <= slack);

  // Segments that do not meet come nearest at an end of one of them; those
  // that meet, collinear or zero-length ones too, have distance 0.
  const double found = Length(K1, K2);
  const double nearest =
      std::min({FromSegment(S1.P1, S2.P1, S2.P2), FromSegment(S1.P2, S2.P1, S2.P2),
                FromSegment(S2.P1, S1.P1, S1.P2), FromSegment(S2.P2, S1.P1, S1.P2)});
  for (Point P : {S1.P1, S1.P2})
    for (Point Q : {S2.P1, S2.P2}) FUZZ_CHECK(found <= Length(P, Q) + slack);
  const bool meet = Meet(S1, S2);
  FUZZ_CHECK(meet ? found <= slack : std::fabs(found - nearest) <= slack);

  // Parallel, collinear and zero-length pairs never cross.
  const double det =
      (S1.P2.x - S1.P1.x) * (S2.P2.y - S2.P1.y) - (S1.P2.y - S1.P1.y) * (S2.P2.x - S2.P1.x);
  Point I;
  const bool cross = SegmentsCross(S1, S2, I);
  FUZZ_CHECK(cross == (meet && det != 0));
  if (cross) {
    FUZZ_CHECK(FromSegment(I, S1.P1, S1.P2) <= slack);
    FUZZ_CHECK(FromSegment(I, S2.P1, S2.P2) <= slack);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  std::vector<Point> P;
  for (int i = 0; i < 4; ++i) P.push_back(NextPoint(data, P, Reach::Window));
  // In and around the window every product is exact: only the last
  // roundings of the points remain.
  Check({P[0], P[1]}, {P[2], P[3]}, 1e-9);
  return 0;
}
