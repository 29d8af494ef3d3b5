#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>

#include "demo_frame.h"

namespace {

struct Meeting {
  Point X;
  bool Crossing;
};

// Starts from a stale X and the given Crossing, both of which the routine
// must overwrite.
Meeting Intersect(Point P1, Point P2, Point P3, Point P4, bool stale_crossing = false) {
  Meeting m{{-7, -7}, stale_crossing};
  IntersectSegments(P1, P2, P3, P4, m.X, m.Crossing);
  return m;
}

std::string Show(Point P1, Point P2, Point P3, Point P4) {
  auto show = [](Point p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; };
  return show(P1) + "-" + show(P2) + " with " + show(P3) + "-" + show(P4);
}

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

struct SegmentPair {
  const char* what;
  Point P1, P2, P3, P4;
  bool Crossing;
  Point X;
};

const SegmentPair edge_cases[] = {
    {"crossing", {0, 0}, {10, 10}, {0, 10}, {10, 0}, true, {5, 5}},
    {"an end touches the other segment", {0, 0}, {10, 0}, {5, 0}, {5, 10}, true, {5, 0}},
    {"shared end point", {0, 0}, {10, 0}, {10, 0}, {10, 10}, true, {10, 0}},
    {"lines cross beyond the second segment", {0, 0}, {10, 0}, {5, 1}, {5, 10}, false, {5, 0}},
    {"lines cross beyond the first segment", {0, 0}, {10, 0}, {20, -5}, {20, 5}, false, {20, 0}},
    {"parallel", {0, 0}, {10, 0}, {0, 5}, {10, 5}, false, {0, 0}},
    {"collinear and overlapping", {0, 0}, {10, 0}, {5, 0}, {15, 0}, false, {0, 0}},
    {"zero length", {3, 3}, {3, 3}, {0, 0}, {10, 10}, false, {0, 0}},
    {"lines cross at the origin beyond both", {1, 1}, {2, 2}, {1, -1}, {2, -2}, false, {0, 0}},
};

// Each pair in both orders and with either segment reversed, each from both
// stale values of Crossing: sixteen calls that must all agree, to the bit.
TEST(IntersectSegments, EdgeCasesInEveryOrderAndDirection) {
  for (const SegmentPair& c : edge_cases) {
    for (int variant = 0; variant < 16; ++variant) {
      Point P1 = c.P1, P2 = c.P2, P3 = c.P3, P4 = c.P4;
      if (variant & 1) std::swap(P1, P2);
      if (variant & 2) std::swap(P3, P4);
      if (variant & 4) std::swap(P1, P3), std::swap(P2, P4);
      const Meeting m = Intersect(P1, P2, P3, P4, variant & 8);
      SCOPED_TRACE(std::string(c.what) + ": " + Show(P1, P2, P3, P4));
      EXPECT_EQ(m.Crossing, c.Crossing);
      EXPECT_TRUE(SameBits(m.X.x, c.X.x)) << m.X.x;
      EXPECT_TRUE(SameBits(m.X.y, c.X.y)) << m.X.y;
    }
  }
}

// Whole-number ends as the programs pass them, from window-sized up to sizes
// where the products no longer fit in 53 bits and every rounding counts.
TEST(IntersectSegments, ExchangingTheSegmentsGivesTheSameBits) {
  std::mt19937_64 generator(20240611);
  for (const double extent : {8.0, 800.0, 1e6, 1e9}) {
    std::uniform_int_distribution<std::int64_t> coordinate(-static_cast<std::int64_t>(extent),
                                                           static_cast<std::int64_t>(extent));
    auto random_point = [&] {
      return Point{static_cast<double>(coordinate(generator)),
                   static_cast<double>(coordinate(generator))};
    };
    for (int i = 0; i < 50000; ++i) {
      const Point P1 = random_point(), P2 = random_point(), P3 = random_point(),
                  P4 = random_point();
      const Meeting forward = Intersect(P1, P2, P3, P4);
      const Meeting exchanged = Intersect(P3, P4, P1, P2);
      SCOPED_TRACE(Show(P1, P2, P3, P4));
      ASSERT_TRUE(SameBits(forward.X.x, exchanged.X.x));
      ASSERT_TRUE(SameBits(forward.X.y, exchanged.X.y));
      ASSERT_EQ(forward.Crossing, exchanged.Crossing);
    }
  }
}

// Within the window every side value is exact, so reversing a segment keeps
// Crossing as well as the bits of X.
TEST(IntersectSegments, ReversingASegmentInTheWindowChangesNothing) {
  std::mt19937 generator(7);
  std::uniform_int_distribution<int> x(0, 798), y(0, 598);
  auto random_point = [&] { return Point{double(x(generator)), double(y(generator))}; };
  for (int i = 0; i < 50000; ++i) {
    const Point P1 = random_point(), P2 = random_point(), P3 = random_point(), P4 = random_point();
    const Meeting forward = Intersect(P1, P2, P3, P4);
    for (const Meeting& reversed : {Intersect(P2, P1, P3, P4), Intersect(P1, P2, P4, P3)}) {
      SCOPED_TRACE(Show(P1, P2, P3, P4));
      ASSERT_TRUE(SameBits(forward.X.x, reversed.X.x));
      ASSERT_TRUE(SameBits(forward.X.y, reversed.X.y));
      ASSERT_EQ(forward.Crossing, reversed.Crossing);
    }
  }
}

}  // namespace
