#include "segment_distance_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace {

std::string Show(const Segment& S1, const Segment& S2) {
  auto show = [](Point p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; };
  return show(S1.P1) + "-" + show(S1.P2) + " and " + show(S2.P1) + "-" + show(S2.P2);
}

const Segment StartS1{{299.5, 449.5}, {199.5, 299.5}};
const Segment StartS2{{499.5, 149.5}, {549.5, 349.5}};

struct CrossCase {
  const char* what;
  Segment S1, S2;
  bool crosses;
  Point I;  // only when they cross
};

// Each pair also with the segments exchanged and either one reversed: the
// answer and the crossing point do not depend on the order.
TEST(SegmentsCross, TouchingCountsParallelNever) {
  const CrossCase cases[] = {
      {"start picture", StartS1, StartS2, false, {}},
      {"crossing inside both", {{0, 0}, {10, 10}}, {{0, 10}, {10, 0}}, true, {5, 5}},
      {"at an end of the first", {{0, 0}, {10, 0}}, {{10, -5}, {10, 5}}, true, {10, 0}},
      {"an end of the second on the first", {{0, 0}, {10, 0}}, {{5, 0}, {5, 5}}, true, {5, 0}},
      {"shared end point", {{0, 0}, {10, 0}}, {{10, 0}, {10, 10}}, true, {10, 0}},
      {"lines cross beyond the second", {{0, 0}, {10, 0}}, {{5, 1}, {5, 10}}, false, {}},
      {"lines cross beyond the first", {{0, 0}, {10, 0}}, {{20, -5}, {20, 5}}, false, {}},
      {"parallel", {{0, 0}, {10, 0}}, {{0, 5}, {10, 5}}, false, {}},
      {"collinear and overlapping", {{0, 0}, {10, 0}}, {{5, 0}, {15, 0}}, false, {}},
      {"zero length on the other", {{5, 0}, {5, 0}}, {{0, 0}, {10, 0}}, false, {}},
  };
  for (const CrossCase& c : cases) {
    for (int variant = 0; variant < 8; ++variant) {
      Segment S1 = c.S1, S2 = c.S2;
      if (variant & 1) std::swap(S1.P1, S1.P2);
      if (variant & 2) std::swap(S2.P1, S2.P2);
      if (variant & 4) std::swap(S1, S2);
      SCOPED_TRACE(std::string(c.what) + ": " + Show(S1, S2));
      Point I{-1, -1};
      ASSERT_EQ(SegmentsCross(S1, S2, I), c.crosses);
      if (c.crosses) {
        EXPECT_DOUBLE_EQ(I.x, c.I.x);
        EXPECT_DOUBLE_EQ(I.y, c.I.y);
      }
    }
  }
}

struct NearestCase {
  const char* what;
  Segment S1, S2;
  Point K1, K2;
};

TEST(ClosestPoints, NearestPairOfTwoSegments) {
  const NearestCase cases[] = {
      {"start picture: end and end", StartS1, StartS2, {299.5, 449.5}, {549.5, 349.5}},
      {"parallel apart", {{0, 0}, {10, 0}}, {{20, 5}, {30, 5}}, {10, 0}, {20, 5}},
      {"parallel apart, the first behind", {{20, 5}, {30, 5}}, {{0, 0}, {10, 0}}, {20, 5}, {10, 0}},
      {"parallel side by side", {{0, 0}, {10, 0}}, {{5, 5}, {15, 5}}, {5, 0}, {5, 5}},
      {"collinear and overlapping: K1 = K2", {{0, 0}, {10, 0}}, {{5, 0}, {15, 0}}, {5, 0}, {5, 0}},
      {"an end of the second over the first", {{0, 0}, {10, 0}}, {{4, 3}, {6, 8}}, {4, 0}, {4, 3}},
      {"an end of the first over the second", {{4, 3}, {6, 8}}, {{0, 0}, {10, 0}}, {4, 3}, {4, 0}},
      {"the second end of the first over the second",
       {{6, 8}, {4, 3}},
       {{0, 0}, {10, 0}},
       {4, 3},
       {4, 0}},
      {"the second end of the second over the first",
       {{0, 0}, {10, 0}},
       {{6, 8}, {4, 3}},
       {4, 0},
       {4, 3}},
      {"second of zero length over the first", {{0, 0}, {10, 0}}, {{4, 3}, {4, 3}}, {4, 0}, {4, 3}},
      {"second of zero length behind the first",
       {{0, 0}, {10, 0}},
       {{-5, 3}, {-5, 3}},
       {0, 0},
       {-5, 3}},
      {"second of zero length past the first",
       {{0, 0}, {10, 0}},
       {{15, 3}, {15, 3}},
       {10, 0},
       {15, 3}},
      {"first of zero length over the second", {{4, 3}, {4, 3}}, {{0, 0}, {10, 0}}, {4, 3}, {4, 0}},
      {"first of zero length behind the second",
       {{-5, 3}, {-5, 3}},
       {{0, 0}, {10, 0}},
       {-5, 3},
       {0, 0}},
      {"first of zero length past the second",
       {{15, 3}, {15, 3}},
       {{0, 0}, {10, 0}},
       {15, 3},
       {10, 0}},
      {"both of zero length", {{1, 2}, {1, 2}}, {{7, 9}, {7, 9}}, {1, 2}, {7, 9}},
  };
  for (const NearestCase& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ": " + Show(c.S1, c.S2));
    Point K1, K2;
    ClosestPoints(K1, K2, c.S1, c.S2);
    EXPECT_DOUBLE_EQ(K1.x, c.K1.x);
    EXPECT_DOUBLE_EQ(K1.y, c.K1.y);
    EXPECT_DOUBLE_EQ(K2.x, c.K2.x);
    EXPECT_DOUBLE_EQ(K2.y, c.K2.y);
  }
}

double Distance(Point p, Point q) { return std::hypot(p.x - q.x, p.y - q.y); }

// Distance from p to the segment, by the foot of the perpendicular held to
// the segment.
double DistanceToSegment(Point p, const Segment& s) {
  const double ux = s.P2.x - s.P1.x, uy = s.P2.y - s.P1.y;
  const double length2 = ux * ux + uy * uy;
  const double t =
      length2 == 0 ? 0
                   : std::clamp(((p.x - s.P1.x) * ux + (p.y - s.P1.y) * uy) / length2, 0.0, 1.0);
  return Distance(p, {s.P1.x + t * ux, s.P1.y + t * uy});
}

// Two segments that do not cross come nearest at an end of one of them.
TEST(ClosestPoints, AttainsTheDistanceOfSegmentsThatDoNotCross) {
  std::mt19937 generator(11);
  // Half pixels in a small square give many parallel, collinear and
  // zero-length pairs.
  std::uniform_int_distribution<int> half_pixels(0, 12);
  auto random_point = [&] {
    return Point{half_pixels(generator) / 2.0, half_pixels(generator) / 2.0};
  };
  for (int i = 0; i < 100000; ++i) {
    const Segment S1{random_point(), random_point()}, S2{random_point(), random_point()};
    Point I;
    if (SegmentsCross(S1, S2, I)) continue;
    SCOPED_TRACE(Show(S1, S2));
    Point K1, K2;
    ClosestPoints(K1, K2, S1, S2);
    const double nearest = std::min({DistanceToSegment(S1.P1, S2), DistanceToSegment(S1.P2, S2),
                                     DistanceToSegment(S2.P1, S1), DistanceToSegment(S2.P2, S1)});
    ASSERT_NEAR(Distance(K1, K2), nearest, 1e-9);
    ASSERT_NEAR(DistanceToSegment(K1, S1), 0, 1e-9);
    ASSERT_NEAR(DistanceToSegment(K2, S2), 0, 1e-9);
  }
}

}  // namespace
