// IntersectSegments on any four points: the same crossing, to the last bit,
// whichever segment comes first and whichever way each runs; on whole
// numbers, the meeting decision and the crossing point of exact arithmetic.
#include <array>
#include <cmath>
#include <cstring>

#include "fuzz_points.h"

namespace {

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}
bool SameBits(Point P, Point Q) { return SameBits(P.x, Q.x) && SameBits(P.y, Q.y); }

using Wide = __int128;

Wide Cross(Wide ax, Wide ay, Wide bx, Wide by) { return ax * by - ay * bx; }

// Side of R against the line PQ: +1, 0 or -1, exactly.
int Side(Point P, Point Q, Point R) {
  const Wide c = Cross(Wide(Q.x - P.x), Wide(Q.y - P.y), Wide(R.x - P.x), Wide(R.y - P.y));
  return (c > 0) - (c < 0);
}

// With whole numbers of at most 2^20 every side value is exact, so the
// routine must decide as exact arithmetic does: not parallel, and each
// segment's ends on both sides of the other's line or on it.
void CheckAgainstExactArithmetic(Point P1, Point P2, Point P3, Point P4, Point X, bool crossing) {
  const Wide ux = Wide(P2.x - P1.x), uy = Wide(P2.y - P1.y);
  const Wide vx = Wide(P4.x - P3.x), vy = Wide(P4.y - P3.y);
  const Wide den = Cross(ux, uy, vx, vy);
  const bool meet = den != 0 && Side(P1, P2, P3) * Side(P1, P2, P4) <= 0 &&
                    Side(P3, P4, P1) * Side(P3, P4, P2) <= 0;
  FUZZ_CHECK(crossing == meet);
  if (den == 0) {
    FUZZ_CHECK(X.x == 0 && X.y == 0);
    return;
  }
  // X = P1 + t u with t = ((P3 - P1) x v) / (u x v).
  const Wide t = Cross(Wide(P3.x - P1.x), Wide(P3.y - P1.y), vx, vy);
  const double ex = static_cast<double>(Wide(P1.x) * den + t * ux) / static_cast<double>(den);
  const double ey = static_cast<double>(Wide(P1.y) * den + t * uy) / static_cast<double>(den);
  // The routine's numerators are differences of products of up to 2^62,
  // each rounded once: a few units of 2^-53 of those products over den.
  const double spread = 4.0 * std::ldexp(1.0, 21) * std::ldexp(1.0, 42) / std::fabs(double(den));
  const double slack =
      std::ldexp(spread, -50) + std::ldexp(std::fmax(std::fabs(ex), std::fabs(ey)), -48);
  FUZZ_CHECK(std::fabs(X.x - ex) <= slack && std::fabs(X.y - ey) <= slack);
}

bool SmallWhole(Point P) {
  auto whole = [](double v) { return std::fabs(v) <= 1048576 && v == std::trunc(v); };
  return whole(P.x) && whole(P.y);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  std::vector<Point> P;
  for (int i = 0; i < 4; ++i) P.push_back(NextPoint(data, P, Reach::AnyReal));

  Point X, Y;
  bool crossing = false, crossing_swapped = false;
  IntersectSegments(P[0], P[1], P[2], P[3], X, crossing);
  IntersectSegments(P[2], P[3], P[0], P[1], Y, crossing_swapped);
  FUZZ_CHECK(SameBits(X, Y));
  FUZZ_CHECK(crossing == crossing_swapped);

  // Reversing either segment: X to the last bit; the decision too where the
  // side values are exact.
  const bool small = SmallWhole(P[0]) && SmallWhole(P[1]) && SmallWhole(P[2]) && SmallWhole(P[3]);
  for (const auto& [a, b, c, d] : {std::array{1, 0, 2, 3}, {0, 1, 3, 2}, {1, 0, 3, 2}}) {
    Point Z;
    bool crossing_reversed = false;
    IntersectSegments(P[a], P[b], P[c], P[d], Z, crossing_reversed);
    FUZZ_CHECK(SameBits(X, Z));
    if (small) FUZZ_CHECK(crossing == crossing_reversed);
  }

  if (small) CheckAgainstExactArithmetic(P[0], P[1], P[2], P[3], X, crossing);
  return 0;
}
