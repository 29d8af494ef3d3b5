// The overlap of two polygons as closed loops of points, and the small
// routines it is built from. All point comparisons are exact: with
// whole-number vertices a crossing comes out bit for bit the same from
// either polygon's side, so equal means the same point.
#pragma once

#include <span>
#include <vector>

#include "demo_frame.h"

// The vertices of a polygon in order; the closing edge runs from the last
// vertex back to the first.
using PointList = std::vector<Point>;

// Finished loops one after another: loop k holds Loops[LoopEnd[k - 1]] up to,
// not including, Loops[LoopEnd[k]] (from Loops[0] for k = 0).
struct OverlapLoops {
  PointList Loops;
  std::vector<int> LoopEnd;

  // Each loop's points as a list of its own.
  std::vector<PointList> Split() const {
    std::vector<PointList> loops;
    for (std::size_t k = 0; k < LoopEnd.size(); ++k)
      loops.emplace_back(Loops.begin() + (k == 0 ? 0 : LoopEnd[k - 1]), Loops.begin() + LoopEnd[k]);
    return loops;
  }
};

// The index of the vertex after vertex i of n, the first after the last; the
// edge loops run through it often enough for a division to show.
inline std::size_t NextVertex(std::size_t i, std::size_t n) { return i + 1 < n ? i + 1 : 0; }

inline bool SamePoint(Point P, Point Q) { return P.x == Q.x && P.y == Q.y; }
// Lexicographic order, for sorting and looking points up.
inline bool PointBefore(Point P, Point Q) { return P.x < Q.x || (P.x == Q.x && P.y < Q.y); }

// Twice the signed area by the shoelace sum is negative: counterclockwise as
// seen on the screen (y downwards).
bool NegativeOrientation(std::span<const Point> P);

// Odd number of edges crossed by the ray from Q towards larger x. An edge
// counts only when it straddles the ray's line half-open (an end level with Q
// lies on the side of smaller y) and meets it strictly right of Q.
bool InsidePolygon(std::span<const Point> P, Point Q);

double Distance(Point P, Point Q);

// Drops every entry equal to P.
void RemovePoint(PointList& L, Point P);

// Orders the points of one edge by distance from its start L[0]: each step
// takes the entry nearest to the current first one (the earliest on a tie)
// and removes every entry equal to it, the first one included when they
// coincide. Gives back how many points remain.
int SortFromFirst(PointList& L);

// Both polygons (at least two vertices each) are first brought to negative
// orientation, in place. Gives false when they do not overlap; otherwise the
// loops fill the common part, even-odd, all running the same way round. A
// loop that has a part of A's outline begins where that outline goes into B.
bool TraceOverlap(PointList& A, PointList& B, OverlapLoops& overlap);
