#include <gtest/gtest.h>

#include <cmath>

#include "perpendicular_geometry.h"

namespace {

const Point A{100, 100};
const Point B{300, 200};
const Point M{200, 150};

TEST(PerpendicularGeometry, MinAndMaxGiveTheSmallerAndTheLarger) {
  EXPECT_EQ(Min(3, 5), 3);
  EXPECT_EQ(Min(5, 3), 3);
  EXPECT_EQ(Min(-2, -2), -2);
  EXPECT_EQ(Max(3, 5), 5);
  EXPECT_EQ(Max(5, 3), 5);
  EXPECT_EQ(Max(-2, -2), -2);
}

TEST(PerpendicularGeometry, FootDistanceAngleAndDecisionForPointsAroundAB) {
  struct Case {
    const char* what;
    Point P;
    Point F;
    double dist;
    double v;
    bool shown;
  };
  const Case cases[] = {
      {"near the line, on B's side of M", {260, 150}, {248, 174}, 26.8328, 26.5651, true},
      {"near the line, on A's side of M", {140, 150}, {152, 126}, 26.8328, 153.4349, true},
      {"foot on the segment, angle far from the line",
       {200, 50},
       {160, 130},
       89.4427,
       116.5651,
       false},
      {"at M: no direction from M", {200, 150}, {200, 150}, 0, 90, false},
      {"on the line beyond M, b = a + c exactly", {0, 50}, {0, 50}, 0, 180, false},
      {"on the line beyond M, s - b rounded below 0", {92, 96}, {92, 96}, 0, 180, false},
      {"on the line beyond B, s - a rounded below 0", {324, 212}, {324, 212}, 0, 0, false},
      {"close to the line, foot beyond B", {330, 205}, {326, 213}, 8.9443, 3.6330, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Point F = PerpendicularFoot(A, B, c.P);
    EXPECT_NEAR(F.x, c.F.x, 1e-9);
    EXPECT_NEAR(F.y, c.F.y, 1e-9);
    const double dist = Distance(F, c.P);
    EXPECT_NEAR(dist, c.dist, 1e-4);
    const double v = AngleAtMidpoint(c.P, M, B);
    EXPECT_NEAR(v, c.v, 1e-4);
    EXPECT_EQ(PerpendicularShown(A, B, F, dist, v), c.shown);
  }
}

TEST(PerpendicularGeometry, ExactlyOnTheLineBeyondMTheAngleIsTheLimit) {
  // Points of the line y = 100 + (x - 100) / 2 left of M, whatever way the
  // half-angle quotient rounds there.
  for (int x = 0; x < 200; x += 2) {
    const double v = AngleAtMidpoint({double(x), 100 + (x - 100) / 2.0}, M, B);
    EXPECT_NEAR(v, 180, 1e-4) << "x = " << x;
  }
  // And right of M, on either side of B.
  for (int x = 202; x <= 798; x += 2) {
    const double v = AngleAtMidpoint({double(x), 100 + (x - 100) / 2.0}, M, B);
    EXPECT_NEAR(v, 0, 1e-4) << "x = " << x;
  }
}

TEST(PerpendicularGeometry, EveryBoundOfTheFourTestsIncludesEquality) {
  const Point inside{200, 150};
  struct Case {
    const char* what;
    Point F;
    double dist;
    double v;
    bool shown;
  };
  const Case cases[] = {
      {"foot at A", A, 10, 10, true},
      {"foot at B", B, 10, 10, true},
      {"foot left of A", {99.999, 150}, 10, 10, false},
      {"foot right of B", {300.001, 150}, 10, 10, false},
      {"foot above A", {200, 99.999}, 10, 10, false},
      {"foot below B", {200, 200.001}, 10, 10, false},
      {"distance 150", inside, 150, 10, true},
      {"distance beyond 150", inside, 150.001, 10, false},
      {"angle 30", inside, 10, 30, true},
      {"angle beyond 30", inside, 10, 30.001, false},
      {"angle 150", inside, 10, 150, true},
      {"angle below 150", inside, 10, 149.999, false},
      {"angle 180", inside, 10, 180, true},
      {"angle 0", inside, 10, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(PerpendicularShown(A, B, c.F, c.dist, c.v), c.shown);
  }
}

TEST(PerpendicularGeometry, APointFarFromTheLineFailsOnDistanceAlone) {
  // A long segment, so that a point 161 pixels away still sees M at 28 degrees.
  const Point A2{100, 100};
  const Point B2{700, 400};
  const Point P{600, 530};
  const Point F = PerpendicularFoot(A2, B2, P);
  const double dist = Distance(F, P);
  const double v = AngleAtMidpoint(P, {400, 250}, B2);
  EXPECT_GT(dist, 150);
  EXPECT_LT(v, 30);
  EXPECT_FALSE(PerpendicularShown(A2, B2, F, dist, v));
  EXPECT_TRUE(PerpendicularShown(A2, B2, F, 150, v));
}

}  // namespace
