#include <gtest/gtest.h>

#include <vector>

#include "overlap.h"

namespace {

std::vector<std::pair<double, double>> coordinates(const PointList& L) {
  std::vector<std::pair<double, double>> result;
  for (const Point& p : L) result.push_back({p.x, p.y});
  return result;
}

TEST(SortFromFirst, OrdersAnEdgeByDistanceFromItsStart) {
  struct Case {
    const char* name;
    PointList given;
    PointList expected;
  };
  const Case cases[] = {
      {"crossings in any order",
       {{0, 0}, {10, 0}, {7, 0}, {3, 0}},
       {{0, 0}, {3, 0}, {7, 0}, {10, 0}}},
      // The chosen entry takes the start with it; the end becomes the
      // reference, so the rest follows from the end.
      {"a crossing at the start",
       {{0, 0}, {10, 0}, {0, 0}, {3, 0}, {7, 0}},
       {{0, 0}, {0, 0}, {7, 0}, {3, 0}}},
      {"a crossing at the end collapses into it",
       {{0, 0}, {10, 0}, {3, 0}, {10, 0}, {7, 0}},
       {{0, 0}, {3, 0}, {7, 0}, {10, 0}}},
      {"equally near: the earlier entry first",
       {{0, 0}, {10, 0}, {0, 5}, {5, 0}},
       {{0, 0}, {0, 5}, {5, 0}, {10, 0}}},
      {"a crossing found twice", {{0, 0}, {0, 8}, {0, 4}, {0, 4}}, {{0, 0}, {0, 4}, {0, 8}}},
      {"zero-length edge", {{5, 5}, {5, 5}}, {{5, 5}, {5, 5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PointList L = c.given;
    const int count = SortFromFirst(L);
    EXPECT_EQ(coordinates(L), coordinates(c.expected));
    EXPECT_EQ(count, static_cast<int>(c.expected.size()));
  }
}

TEST(RemovePoint, DropsEveryEqualEntryEvenWhenGivenAnEntryOfTheList) {
  PointList L{{1, 2}, {3, 4}, {1, 2}, {1, 3}, {2, 2}, {1, 2}};
  RemovePoint(L, L[0]);
  EXPECT_EQ(coordinates(L), coordinates({{3, 4}, {1, 3}, {2, 2}}));
  RemovePoint(L, {9, 9});
  EXPECT_EQ(L.size(), 3u);
}

TEST(Distance, IsTheEuclideanLength) {
  EXPECT_EQ(Distance({0, 0}, {3, 4}), 5.0);
  EXPECT_EQ(Distance({3, 4}, {0, 0}), 5.0);
  EXPECT_EQ(Distance({-1, -1}, {-1, -1}), 0.0);
  EXPECT_EQ(Distance({100, 200}, {106, 192}), 10.0);
}

TEST(NegativeOrientation, IsCounterclockwiseOnTheScreen) {
  struct Case {
    const char* name;
    PointList polygon;
    bool negative;
  };
  const Case cases[] = {
      {"square clockwise on the screen", {{100, 100}, {300, 100}, {300, 300}, {100, 300}}, false},
      {"the same square reversed", {{100, 300}, {300, 300}, {300, 100}, {100, 100}}, true},
      {"triangle down, then up right", {{0, 0}, {0, 10}, {10, 0}}, true},
      {"triangle right, then down", {{0, 0}, {10, 0}, {0, 10}}, false},
      {"two vertices", {{0, 0}, {10, 10}}, false},
      {"collinear vertices", {{0, 0}, {5, 5}, {10, 10}}, false},
      {"bow tie of no net area", {{0, 0}, {10, 10}, {10, 0}, {0, 10}}, false},
      {"bow tie with the larger lobe counterclockwise", {{0, 0}, {20, 20}, {20, 0}, {0, 10}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(NegativeOrientation(c.polygon), c.negative);
  }
}

TEST(InsidePolygon, CountsHalfOpenCrossingsOfTheRayToTheRight) {
  const PointList square{{100, 100}, {300, 100}, {300, 300}, {100, 300}};
  const PointList arrow{{100, 100}, {300, 200}, {100, 300}};   // vertex (300, 200) points right
  const PointList peak{{200, 100}, {300, 300}, {100, 300}};    // both edges go down from (200, 100)
  const PointList valley{{100, 100}, {300, 100}, {200, 300}};  // both edges go up from (200, 300)
  const PointList bow_tie{{100, 100}, {300, 300}, {300, 100}, {100, 300}};
  const PointList line{{100, 100}, {200, 200}, {300, 300}, {400, 400}};
  struct Case {
    const char* name;
    const PointList& polygon;
    Point Q;
    bool inside;
  };
  const Case cases[] = {
      {"centre", square, {200, 200}, true},
      {"left of it", square, {50, 200}, false},
      {"right of it", square, {350, 200}, false},
      {"above it", square, {200, 50}, false},
      {"on the left side", square, {100, 200}, true},
      {"on the top side", square, {200, 100}, true},
      {"on the right side", square, {300, 200}, false},
      {"on the bottom side", square, {200, 300}, false},
      {"top-left corner", square, {100, 100}, true},
      {"top-right corner", square, {300, 100}, false},
      {"bottom-left corner", square, {100, 300}, false},
      {"bottom-right corner", square, {300, 300}, false},
      {"level with a top edge, left of it", square, {50, 100}, false},
      {"ray through a vertex passed through, inside", arrow, {150, 200}, true},
      {"ray through a vertex passed through, outside", arrow, {50, 200}, false},
      {"ray through a peak counts it twice", peak, {50, 100}, false},
      {"ray through a valley does not count it", valley, {50, 300}, false},
      {"left lobe of a bow tie", bow_tie, {120, 200}, true},
      {"right lobe of a bow tie", bow_tie, {280, 200}, true},
      {"between the lobes, above", bow_tie, {200, 150}, false},
      {"between the lobes, below", bow_tie, {200, 250}, false},
      {"beside collinear vertices", line, {150, 200}, false},
      {"on collinear vertices", line, {200, 200}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(InsidePolygon(c.polygon, c.Q), c.inside);
  }
}

}  // namespace
