#include <algorithm>
#include <array>
#include <optional>

#include "outline.h"

namespace {

constexpr int SideA = 0, SideB = 1;

struct Stretch {
  int side;
  int index;
};

using Outlines = std::array<Outline, 2>;

// Reversed unless already negative, so that both run the same way round.
void OrientNegatively(PointList& P) {
  if (!NegativeOrientation(P)) std::reverse(P.begin(), P.end());
}

bool Free(const Outline& outline, int i) {
  return outline.stretch_end[i] >= 0 && outline.selected[i] && !outline.used[i];
}

// Where a loop goes on from the crossing it reached at index k of side s:
// along the same outline while that still bounds the common part (an outline
// touching the other from inside), else along the other outline, else along
// another stretch of the same outline leaving that point.
std::optional<Stretch> NextStretch(const Outlines& outlines, int s, int k) {
  const Outline& here = outlines[s];
  const int ahead = here.RunEnd(k);
  if (Free(here, ahead)) return Stretch{s, ahead};
  for (int side : {1 - s, s})
    for (const auto& [point, i] : outlines[side].StretchesAt(here.points[k]))
      if (Free(outlines[side], i)) return Stretch{side, i};
  return std::nullopt;
}

// Follows free stretches from the first one until the walk is back at its
// point, or finds none to go on with (then the loop closes where it stands).
// Every step takes up a stretch, so the walk ends.
PointList TraceLoop(Outlines& outlines, Stretch stretch) {
  const Point Start = outlines[stretch.side].points[stretch.index];
  PointList trace;
  for (;;) {
    Outline& walk = outlines[stretch.side];
    walk.used[stretch.index] = 1;
    // The crossing with its repeated entries (a vertex stands twice), then the
    // points up to the next crossing.
    for (int i = walk.RunStart(stretch.index);; i = walk.next(i)) {
      trace.push_back(walk.points[i]);
      if (i == stretch.index) break;
    }
    const int end = walk.stretch_end[stretch.index];
    for (int i = walk.next(stretch.index); i != end; i = walk.next(i))
      trace.push_back(walk.points[i]);
    if (SamePoint(walk.points[end], Start)) break;
    const auto next = NextStretch(outlines, stretch.side, end);
    if (!next) break;
    stretch = *next;
  }
  return trace;
}

// Fewer than three distinct points enclose nothing.
bool EnclosesSomething(PointList loop) {
  std::sort(loop.begin(), loop.end(), PointBefore);
  return std::unique(loop.begin(), loop.end(), SamePoint) - loop.begin() >= 3;
}

void AddLoop(OverlapLoops& overlap, const PointList& loop) {
  overlap.Loops.insert(overlap.Loops.end(), loop.begin(), loop.end());
  overlap.LoopEnd.push_back(static_cast<int>(overlap.Loops.size()));
}

// Every vertex of P inside Q or on its outline.
bool Within(const PointList& P, const PointList& Q) {
  return std::all_of(P.begin(), P.end(),
                     [&Q](Point v) { return InsidePolygon(Q, v) || OnOutline(v, Q); });
}

// Without loops, a polygon that lies within the other is the common part.
bool ContainedPolygon(const PointList& A, const PointList& B, OverlapLoops& overlap) {
  const PointList* inner = Within(A, B) ? &A : Within(B, A) ? &B : nullptr;
  if (inner == nullptr) return false;
  AddLoop(overlap, *inner);
  return true;
}

}  // namespace

bool TraceOverlap(PointList& A, PointList& B, OverlapLoops& overlap) {
  overlap = {};
  OrientNegatively(A);
  OrientNegatively(B);

  PointList crossings;
  PointList outlineA = OutlineWithCrossings(A, B, crossings);
  PointList outlineB = OutlineWithCrossings(B, A, crossings);
  if (!crossings.empty()) {
    std::sort(crossings.begin(), crossings.end(), PointBefore);
    crossings.erase(std::unique(crossings.begin(), crossings.end(), SamePoint), crossings.end());
    Outlines outlines{CutAtCrossings(std::move(outlineA), crossings, B, true),
                      CutAtCrossings(std::move(outlineB), crossings, A, false)};
    // Loops start at the first free stretch along A, where A goes into B;
    // then come the loops of B's outline alone (B inside A, touching it).
    for (int side : {SideA, SideB}) {
      for (int i = 0; i < outlines[side].size(); ++i) {
        if (!Free(outlines[side], i)) continue;
        const PointList loop = TraceLoop(outlines, {side, i});
        if (EnclosesSomething(loop)) AddLoop(overlap, loop);
      }
    }
    if (!overlap.LoopEnd.empty()) return true;
  }
  return ContainedPolygon(A, B, overlap);
}
