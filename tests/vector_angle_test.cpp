#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "angle_from_cosine.h"

namespace {

constexpr double pi = std::numbers::pi;

TEST(AngleFromCosine, GivesTheAngleFromZeroToPi) {
  struct Case {
    double c;
    double angle;
  };
  const Case cases[] = {
      {1, 0},
      {0.5, pi / 3},
      {0, pi / 2},
      {-0.0, pi / 2},
      {-0.5, 2 * pi / 3},
      {-1, pi},
      {std::sqrt(0.5), pi / 4},
      {-std::sqrt(0.5), 3 * pi / 4},
      // Quotients of parallel vectors rounded a step past the ends.
      {std::nextafter(1.0, 2.0), 0},
      {1 + 1e-12, 0},
      {std::nextafter(-1.0, -2.0), pi},
      {-1 - 1e-12, pi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.c);
    EXPECT_NEAR(AngleFromCosine(c.c), c.angle, 1e-12);
  }
}

TEST(AngleFromCosine, AgreesWithTheArcCosineAcrossTheRange) {
  for (int i = -1000; i <= 1000; ++i) {
    const double c = i / 1000.0;
    EXPECT_NEAR(AngleFromCosine(c), std::acos(c), 1e-7) << "c = " << c;
  }
}

}  // namespace
