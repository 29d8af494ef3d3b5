#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "outline.h"
#include "overlap.h"

namespace {

using Coordinates = std::vector<std::pair<double, double>>;

Coordinates coordinates(const PointList& L) {
  Coordinates result;
  for (const Point& p : L) result.push_back({p.x, p.y});
  return result;
}

// The loop as a cycle of corners: repeated points dropped, begun at its
// smallest point, so that loops compare by the region's outline and its
// direction alone.
Coordinates cycle(const PointList& loop) {
  PointList corners;
  for (const Point& p : loop)
    if (corners.empty() || !SamePoint(corners.back(), p)) corners.push_back(p);
  while (corners.size() > 1 && SamePoint(corners.front(), corners.back())) corners.pop_back();
  std::rotate(corners.begin(), std::min_element(corners.begin(), corners.end(), PointBefore),
              corners.end());
  return coordinates(corners);
}

// The square of the example: (100, 100) to (300, 300) entered clockwise on the
// screen, and B from (200, 200) to (400, 400) likewise.
const PointList SquareA{{100, 100}, {300, 100}, {300, 300}, {100, 300}};
const PointList SquareB{{200, 200}, {400, 200}, {400, 400}, {200, 400}};
const PointList OverlapSquare{{200, 300}, {300, 300}, {300, 300},
                              {300, 200}, {200, 200}, {200, 200}};

TEST(TraceOverlap, SquaresEnteredClockwiseGiveTheOverlapSquare) {
  PointList A = SquareA, B = SquareB;
  OverlapLoops overlap;
  ASSERT_TRUE(TraceOverlap(A, B, overlap));
  EXPECT_EQ(coordinates(A), coordinates({{100, 300}, {300, 300}, {300, 100}, {100, 100}}));
  EXPECT_EQ(coordinates(B), coordinates({{200, 400}, {400, 400}, {400, 200}, {200, 200}}));
  EXPECT_EQ(coordinates(overlap.Loops), coordinates(OverlapSquare));
  EXPECT_EQ(overlap.LoopEnd, std::vector<int>{6});

  PointList crossings;
  EXPECT_EQ(coordinates(OutlineWithCrossings(A, B, crossings)), coordinates({{100, 300},
                                                                             {200, 300},
                                                                             {300, 300},
                                                                             {300, 300},
                                                                             {300, 200},
                                                                             {300, 100},
                                                                             {300, 100},
                                                                             {100, 100},
                                                                             {100, 100},
                                                                             {100, 300}}));
  OutlineWithCrossings(B, A, crossings);
  EXPECT_EQ(coordinates(crossings), coordinates({{200, 300}, {300, 200}, {300, 200}, {200, 300}}));
}

TEST(TraceOverlap, FirstVertexOfAInsideBStillGivesTheOverlapSquare) {
  PointList A{{300, 300}, {300, 100}, {100, 100}, {100, 300}};
  PointList B = SquareB;
  OverlapLoops overlap;
  ASSERT_TRUE(TraceOverlap(A, B, overlap));
  EXPECT_EQ(coordinates(A), coordinates({{300, 300}, {300, 100}, {100, 100}, {100, 300}}));
  EXPECT_EQ(coordinates(overlap.Loops), coordinates(OverlapSquare));
  EXPECT_EQ(overlap.LoopEnd, std::vector<int>{6});
}

TEST(TraceOverlap, CommonPartsOfTypicalAndTouchingPairs) {
  struct Case {
    const char* name;
    PointList A, B;
    std::optional<std::vector<PointList>> loops;  // as cycles; none: no overlap
    bool exact = false;                           // the loop points as they stand
  };
  const PointList big{{100, 100}, {500, 100}, {500, 500}, {100, 500}};
  const PointList triangle{{200, 200}, {250, 300}, {300, 200}};  // negative already
  // A U open at the top and a bar across both arms.
  const PointList u{{100, 100}, {100, 400}, {400, 400}, {400, 100},
                    {300, 100}, {300, 300}, {200, 300}, {200, 100}};
  const PointList bar{{50, 150}, {50, 250}, {450, 250}, {450, 150}};
  const Case cases[] = {
      {"inner polygon apart from the outline", big, triangle, {{triangle}}, true},
      {"outer polygon given second", triangle, big, {{triangle}}, true},
      {"polygons apart", SquareA, {{400, 400}, {500, 400}, {500, 500}}, std::nullopt},
      {"identical polygons",
       SquareA,
       SquareA,
       {{{{100, 100}, {100, 300}, {300, 300}, {300, 100}}}}},
      {"identical, entered the other way round from another vertex",
       SquareA,
       {{300, 300}, {300, 100}, {100, 100}, {100, 300}},
       {{{{100, 100}, {100, 300}, {300, 300}, {300, 100}}}}},
      // The middle of each bottom edge is a vertex of the other polygon where
      // its outline goes straight on.
      {"identical squares with straight-on vertices at each other's middles",
       {{100, 100}, {300, 100}, {300, 300}, {200, 300}, {100, 300}},
       {{100, 100}, {300, 100}, {300, 300}, {250, 300}, {150, 300}, {100, 300}},
       {{{{100, 100}, {100, 300}, {200, 300}, {300, 300}, {300, 100}}}}},
      {"inner polygon touching at a vertex",
       SquareA,
       {{100, 200}, {250, 250}, {250, 150}},
       {{{{100, 200}, {250, 250}, {250, 150}}}}},
      {"inner polygon touching along part of an edge",
       SquareA,
       {{100, 150}, {100, 250}, {200, 250}, {200, 150}},
       {{{{100, 150}, {100, 250}, {200, 250}, {200, 150}}}}},
      {"inner polygon in a corner, sharing two edges",
       SquareA,
       {{100, 100}, {100, 200}, {200, 200}, {200, 100}},
       {{{{100, 100}, {100, 200}, {200, 200}, {200, 100}}}}},
      {"vertices of A on an edge of B, A reaching into B",
       {{200, 200}, {250, 250}, {200, 300}, {150, 250}},
       {{100, 250}, {300, 250}, {300, 400}, {100, 400}},
       {{{{150, 250}, {200, 300}, {250, 250}}}}},
      {"vertex of A resting on an edge of B from outside",
       {{150, 100}, {250, 100}, {200, 250}},
       {{100, 250}, {300, 250}, {300, 400}, {100, 400}},
       std::nullopt},
      {"triangle standing on part of an edge of B from outside",
       {{200, 100}, {150, 250}, {250, 250}},
       {{100, 250}, {300, 250}, {300, 400}, {100, 400}},
       std::nullopt},
      {"squares sharing an edge",
       {{100, 100}, {200, 100}, {200, 200}, {100, 200}},
       {{200, 100}, {300, 100}, {300, 200}, {200, 200}},
       std::nullopt},
      {"squares sharing a corner",
       {{100, 100}, {200, 100}, {200, 200}, {100, 200}},
       {{200, 200}, {300, 200}, {300, 300}, {200, 300}},
       std::nullopt},
      {"squares sharing part of an edge, overlapping",
       {{100, 100}, {300, 100}, {300, 300}, {100, 300}},
       {{200, 100}, {400, 100}, {400, 300}, {200, 300}},
       {{{{200, 100}, {200, 300}, {300, 300}, {300, 100}}}}},
      {"crossed bars",
       {{100, 200}, {500, 200}, {500, 300}, {100, 300}},
       {{250, 100}, {350, 100}, {350, 400}, {250, 400}},
       {{{{250, 200}, {250, 300}, {350, 300}, {350, 200}}}}},
      {"two pieces",
       u,
       bar,
       {{{{100, 150}, {100, 250}, {200, 250}, {200, 150}},
         {{300, 150}, {300, 250}, {400, 250}, {400, 150}}}}},
      {"two pieces, B first",
       bar,
       u,
       {{{{100, 150}, {100, 250}, {200, 250}, {200, 150}},
         {{300, 150}, {300, 250}, {400, 250}, {400, 150}}}}},
      // Its loop there and back encloses nothing; on B's outline, it counts as
      // lying within B.
      {"a segment along an edge of the other",
       {{100, 100}, {200, 100}},
       SquareA,
       {{{{200, 100}, {100, 100}}}},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PointList A = c.A, B = c.B;
    OverlapLoops overlap;
    const bool overlapping = TraceOverlap(A, B, overlap);
    ASSERT_EQ(overlapping, c.loops.has_value());
    if (!overlapping) continue;
    std::vector<Coordinates> got, expected;
    for (const PointList& loop : overlap.Split())
      got.push_back(c.exact ? coordinates(loop) : cycle(loop));
    for (const PointList& loop : *c.loops)
      expected.push_back(c.exact ? coordinates(loop) : cycle(loop));
    std::sort(got.begin(), got.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(got, expected);
  }
}

// Every loop begins where A's outline meets B and goes on inside B.
TEST(TraceOverlap, LoopsBeginWhereAEntersB) {
  const PointList u{{100, 100}, {100, 400}, {400, 400}, {400, 100},
                    {300, 100}, {300, 300}, {200, 300}, {200, 100}};
  const PointList bar{{50, 150}, {50, 250}, {450, 250}, {450, 150}};
  for (int first = 0; first < static_cast<int>(u.size()); ++first) {
    SCOPED_TRACE(first);
    PointList A = u, B = bar;
    std::rotate(A.begin(), A.begin() + first, A.end());
    OverlapLoops overlap;
    ASSERT_TRUE(TraceOverlap(A, B, overlap));
    const auto loops = overlap.Split();
    ASSERT_EQ(loops.size(), 2u);
    for (const PointList& loop : loops) {
      EXPECT_TRUE(OnOutline(loop[0], B));
      EXPECT_TRUE(OnOutline(loop[0], A));
      const auto second =
          std::find_if(loop.begin(), loop.end(), [&](Point p) { return !SamePoint(p, loop[0]); });
      ASSERT_NE(second, loop.end());
      const Point middle{(loop[0].x + second->x) / 2, (loop[0].y + second->y) / 2};
      EXPECT_TRUE(OnOutline(middle, A));
      EXPECT_TRUE(InsidePolygon(B, middle));
      EXPECT_FALSE(OnOutline(middle, B));
    }
  }
}

}  // namespace
