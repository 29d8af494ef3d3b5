// Points for the geometry fuzz targets, made from the fuzzer's bytes so that
// the awkward cases come often: whole pixels, halves, the 16-bit range,
// repeated points, points on the line through two earlier ones, neighbours of
// earlier points and, where a target allows them, tiny and huge reals.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "demo_frame.h"
#include "fuzz_check.h"

enum class Reach {
  Window,   // multiples of 0.5 from -800 to 1600: the window and a little around it
  Pointer,  // whole numbers of the 16-bit range, as a pointer can give them
  AnyReal,  // any finite double, tiny and huge ones included
};

inline double FreshCoordinate(FuzzedDataProvider& data, Reach reach) {
  switch (reach) {
    case Reach::Window:
      return data.ConsumeIntegralInRange<int>(-1600, 3200) / 2.0;
    case Reach::Pointer:
      return data.ConsumeIntegralInRange<int>(-32768, 32767);
    case Reach::AnyReal:
      break;
  }
  switch (data.ConsumeIntegralInRange<int>(0, 5)) {
    case 0:
      return data.ConsumeIntegralInRange<int>(0, 799);
    case 1:
      return data.ConsumeIntegralInRange<int>(-32768, 32767);
    case 2:  // tiny, subnormals included
      return std::ldexp(data.ConsumeIntegralInRange<int>(-1000, 1000),
                        data.ConsumeIntegralInRange<int>(-1084, -900));
    case 3:  // huge
      return std::ldexp(data.ConsumeIntegralInRange<int>(-1000, 1000),
                        data.ConsumeIntegralInRange<int>(40, 1013));
    case 4:  // an ordinary real with a fraction
      return data.ConsumeFloatingPointInRange<double>(-1e6, 1e6);
    default: {  // any finite bit pattern
      double v = data.ConsumeFloatingPoint<double>();
      return std::isfinite(v) ? v : 0.0;
    }
  }
}

// A fresh point, or one made from the earlier points of the same input.
inline Point NextPoint(FuzzedDataProvider& data, const std::vector<Point>& earlier, Reach reach) {
  const int kind = earlier.empty() ? 0 : data.ConsumeIntegralInRange<int>(0, 6);
  auto pick = [&]() -> const Point& {
    return earlier[data.ConsumeIntegralInRange<std::size_t>(0, earlier.size() - 1)];
  };
  switch (kind) {
    case 1:  // the same point again
      return pick();
    case 2: {  // on the line through two earlier points, at a whole multiple
      const Point P = pick(), Q = pick();
      const double k = data.ConsumeIntegralInRange<int>(-3, 3);
      const Point R{P.x + k * (Q.x - P.x), P.y + k * (Q.y - P.y)};
      if (std::isfinite(R.x) && std::isfinite(R.y) &&
          (reach != Reach::Window || (std::abs(R.x) <= 1600 && std::abs(R.y) <= 1600)) &&
          (reach != Reach::Pointer || (std::abs(R.x) <= 32768 && std::abs(R.y) <= 32768)))
        return R;
      return P;
    }
    case 3: {  // a neighbour: nearly coincident, nearly collinear
      const Point P = pick();
      const double step = reach == Reach::Window ? 0.5 : 1.0;
      return {P.x + step * data.ConsumeIntegralInRange<int>(-1, 1),
              P.y + step * data.ConsumeIntegralInRange<int>(-1, 1)};
    }
    default:
      return {FreshCoordinate(data, reach), FreshCoordinate(data, reach)};
  }
}
