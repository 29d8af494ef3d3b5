// Inputs the fuzz targets of tests/fuzz once failed on, kept as cases.
#include <gtest/gtest.h>

#include <cmath>

#include "overlap.h"

namespace {

// Coordinates near 1e234 overflow the crossing formulas: the meetings come
// out as NaN or infinity. Such a point used to stay in an edge's list for
// ever (NaN equals nothing, itself included), and the list grew until memory
// ran out.
TEST(FuzzFound, TraceOverlapEndsWhenTheCrossingFormulasOverflow) {
  const double huge = -2.3349872108202662e+234;
  PointList A{{huge, 626}, {626, 626}};
  PointList B{{626, 625}, {huge, 626}, {337, 0}, {0, 0}};
  OverlapLoops overlap;
  const bool overlapping = TraceOverlap(A, B, overlap);
  EXPECT_EQ(overlapping, !overlap.LoopEnd.empty());
  for (const Point& P : overlap.Loops) EXPECT_TRUE(std::isfinite(P.x) && std::isfinite(P.y));
}

}  // namespace
