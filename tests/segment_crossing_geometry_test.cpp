#include "segment_crossing_geometry.h"

#include <gtest/gtest.h>

namespace {

struct LinePair {
  const char* what;
  Point P, U, Q, V;
  double t;
};

TEST(CrossingParameter, ParameterAlongTheFirstLine) {
  const LinePair cases[] = {
      {"start picture: beyond B and D",
       {100, 299.5},
       {100, 100},
       {249.5, 399.5},
       {-150, 200},
       449.0 / 350.0},
      {"crossing at P", {0, 0}, {10, 0}, {0, -5}, {0, 10}, 0},
      {"crossing at P + U", {0, 0}, {10, 0}, {10, 5}, {0, -10}, 1},
      {"inside the first segment", {0, 0}, {10, 0}, {4, 3}, {0, 1}, 0.4},
      {"behind P", {0, 0}, {10, 0}, {-20, 3}, {0, 1}, -2},
      {"parallel: D on the line x - y = 200",
       {100, 299.5},
       {100, 100},
       {500, 300},
       {100.5, 100.5},
       NoCrossing},
      {"collinear", {0, 0}, {10, 0}, {20, 0}, {5, 0}, NoCrossing},
      {"second direction of zero length", {0, 0}, {10, 0}, {4, 3}, {0, 0}, NoCrossing},
      {"first direction of zero length", {0, 0}, {0, 0}, {4, 3}, {0, 1}, NoCrossing},
      {"|den| = 1e-7 still counts as parallel", {0, 0}, {1, 0}, {0, 1}, {1, 1e-7}, NoCrossing},
      {"|den| just above 1e-7 crosses far away", {0, 0}, {1, 0}, {0, 1}, {1, 2e-7}, -5e6},
  };
  for (const LinePair& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_DOUBLE_EQ(CrossingParameter(c.P, c.U, c.Q, c.V), c.t);
  }
}

TEST(Interpolate, FromAToBByT) {
  EXPECT_EQ(Interpolate(100, 200, 0), 100);
  EXPECT_EQ(Interpolate(100, 200, 1), 200);
  EXPECT_EQ(Interpolate(100, 200, -0.5), 50);
  EXPECT_EQ(Interpolate(299.5, 399.5, 1.5), 449.5);
}

}  // namespace
