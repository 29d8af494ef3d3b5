#include "outline.h"

#include <algorithm>
#include <cmath>

namespace {

double Cross(Point u, Point v) { return u.x * v.y - u.y * v.x; }
double Dot(Point u, Point v) { return u.x * v.x + u.y * v.y; }
Point Minus(Point P, Point Q) { return {P.x - Q.x, P.y - Q.y}; }
Point Middle(Point P, Point Q) { return {(P.x + Q.x) / 2, (P.y + Q.y) / 2}; }

bool IsCrossing(const PointList& crossings, Point P) {
  return std::binary_search(crossings.begin(), crossings.end(), P, PointBefore);
}

// +1 when the leg P-Q runs along an edge of the polygon in that edge's
// direction, -1 against it, 0 when it does not run along the outline. With
// whole-number vertices the ends of a shared piece are vertices, so the
// collinearity tests are exact. The middle may be a vertex where the outline
// goes straight on: a turn there would have been a crossing ending the leg.
int AlongOutline(Point P, Point Q, const PointList& polygon) {
  const Point M = Middle(P, Q);
  const std::size_t n = polygon.size();
  for (std::size_t j = 0; j < n; ++j) {
    const Point& a = polygon[j];
    const Point d = Minus(polygon[NextVertex(j, n)], a);
    if ((d.x == 0 && d.y == 0) || Cross(d, Minus(P, a)) != 0 || Cross(d, Minus(Q, a)) != 0)
      continue;
    const double t = Dot(d, Minus(M, a));
    if (t >= 0 && t <= Dot(d, d)) return Dot(Minus(Q, P), d) > 0 ? 1 : -1;
  }
  return 0;
}

// Whether the boxes around the segments P1P2 and P3P4 share a point. Closed
// segments can only meet where their boxes do, and with whole-number vertices
// IntersectSegments decides exactly, so skipping the pairs whose boxes are
// apart finds the same crossings in the same order, only sooner.
bool BoxesMeet(Point P1, Point P2, Point P3, Point P4) {
  return std::max(P1.x, P2.x) >= std::min(P3.x, P4.x) &&
         std::max(P3.x, P4.x) >= std::min(P1.x, P2.x) &&
         std::max(P1.y, P2.y) >= std::min(P3.y, P4.y) &&
         std::max(P3.y, P4.y) >= std::min(P1.y, P2.y);
}

}  // namespace

bool OnOutline(Point P, const PointList& polygon) {
  const std::size_t n = polygon.size();
  for (std::size_t j = 0; j < n; ++j) {
    const Point& a = polygon[j];
    const Point& b = polygon[NextVertex(j, n)];
    const Point d = Minus(b, a);
    if (SamePoint(P, a) ||
        (Cross(d, Minus(P, a)) == 0 && Dot(d, Minus(P, a)) > 0 && Dot(d, Minus(P, b)) < 0))
      return true;
  }
  return false;
}

PointList OutlineWithCrossings(const PointList& P, const PointList& Q, PointList& crossings) {
  PointList outline;
  const std::size_t n = P.size(), m = Q.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point start = P[i], end = P[NextVertex(i, n)];
    PointList edge{start, end};
    for (std::size_t j = 0; j < m; ++j) {
      const Point& a = Q[j];
      const Point& b = Q[NextVertex(j, m)];
      if (!BoxesMeet(start, end, a, b)) continue;
      Point X;
      bool crossing = false;
      IntersectSegments(start, end, a, b, X, crossing);
      // Coordinates so huge that the products overflow give no point at all:
      // such a meeting is left out from both sides alike.
      if (!crossing || !std::isfinite(X.x) || !std::isfinite(X.y)) continue;
      crossings.push_back(X);
      // A crossing at an end is that end itself. Left in, it could become the
      // sort's reference and the edge's other points would follow from the
      // wrong end.
      if (!SamePoint(X, start) && !SamePoint(X, end)) edge.push_back(X);
    }
    SortFromFirst(edge);
    outline.insert(outline.end(), edge.begin(), edge.end());
  }
  return outline;
}

std::span<const std::pair<Point, int>> Outline::StretchesAt(Point P) const {
  auto [first, last] =
      std::equal_range(starts.begin(), starts.end(), std::pair<Point, int>{P, 0},
                       [](const auto& u, const auto& v) { return PointBefore(u.first, v.first); });
  return {first, last};
}

int Outline::RunStart(int i) const {
  int r = i;
  for (int steps = 1; steps < size() && SamePoint(points[previous(r)], points[i]); ++steps)
    r = previous(r);
  return r;
}

int Outline::RunEnd(int i) const {
  int r = i;
  for (int steps = 1; steps < size() && SamePoint(points[next(r)], points[i]); ++steps) r = next(r);
  return r;
}

Outline CutAtCrossings(PointList points, const PointList& crossings, const PointList& other,
                       bool keep_shared) {
  Outline outline;
  outline.points = std::move(points);
  const int n = outline.size();
  std::vector<char> at_crossing(n);
  for (int i = 0; i < n; ++i) at_crossing[i] = IsCrossing(crossings, outline.points[i]);
  outline.stretch_end.assign(n, -1);
  outline.selected.assign(n, 0);
  outline.used.assign(n, 0);

  for (int i = 0; i < n; ++i) {
    const Point& start = outline.points[i];
    if (!at_crossing[i] || SamePoint(start, outline.points[outline.next(i)])) continue;
    // Entry i is a crossing, so this ends within one round.
    int end = outline.next(i);
    while (!at_crossing[end]) end = outline.next(end);
    outline.stretch_end[i] = end;
    outline.starts.push_back({start, i});

    // Tested at the middle of its longest leg, which keeps the test point well
    // away from the other outline where crossings crowd together.
    Point P = start, Q = outline.points[outline.next(i)];
    for (int k = outline.next(i); k != end; k = outline.next(k)) {
      const Point& a = outline.points[k];
      const Point& b = outline.points[outline.next(k)];
      if (Dot(Minus(b, a), Minus(b, a)) > Dot(Minus(Q, P), Minus(Q, P))) P = a, Q = b;
    }
    const int along = AlongOutline(P, Q, other);
    outline.selected[i] =
        along != 0 ? keep_shared && along > 0 : InsidePolygon(other, Middle(P, Q));
  }
  std::sort(outline.starts.begin(), outline.starts.end(), [](const auto& u, const auto& v) {
    return PointBefore(u.first, v.first) || (SamePoint(u.first, v.first) && u.second < v.second);
  });
  return outline;
}
