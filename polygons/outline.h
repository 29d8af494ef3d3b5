// The outline of one polygon with the points where the other polygon's
// outline meets it, and its cutting at those points into stretches.
#pragma once

#include <span>
#include <utility>
#include <vector>

#include "overlap.h"

// Each edge of P in turn as the run of its points: its start, the points where
// edges of Q meet it inside, ordered along it, its end. So every vertex stands
// twice, ending one run and starting the next. Every meeting point found, at
// an end of the edge too, is appended to crossings.
PointList OutlineWithCrossings(const PointList& P, const PointList& Q, PointList& crossings);

// Whether P lies on one of the polygon's edges, ends included.
bool OnOutline(Point P, const PointList& polygon);

// An outline cut at the crossing points. A stretch leaves a crossing (from the
// last of its repeated entries) and runs to the next crossing entry; it lies
// wholly inside the other polygon, outside it, or along its outline.
struct Outline {
  PointList points;
  // At the index where a stretch begins, the index of the crossing it ends at;
  // -1 elsewhere.
  std::vector<int> stretch_end;
  // The stretch is part of the outline of the common part.
  std::vector<char> selected;
  // A loop has taken the stretch.
  std::vector<char> used;
  // (point, index) of every stretch start, sorted by point.
  std::vector<std::pair<Point, int>> starts;

  int size() const { return static_cast<int>(points.size()); }
  int next(int i) const { return i + 1 == size() ? 0 : i + 1; }
  int previous(int i) const { return i == 0 ? size() - 1 : i - 1; }
  // The indices of the stretches that begin at P.
  std::span<const std::pair<Point, int>> StretchesAt(Point P) const;
  // The first index of the run of entries equal to entry i that ends at i.
  int RunStart(int i) const;
  // The last index of the run of entries equal to entry i that begins at i.
  int RunEnd(int i) const;
};

// crossings sorted by PointBefore without repeats. A stretch is selected when
// it runs inside other, or along other's outline in the same direction and
// keep_shared is set: an edge that both polygons share in the same direction
// is taken from one of them only, one shared in opposite directions borders
// nothing common.
Outline CutAtCrossings(PointList points, const PointList& crossings, const PointList& other,
                       bool keep_shared);
