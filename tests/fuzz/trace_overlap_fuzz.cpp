// TraceOverlap on any two point lists of 2 to 200 points: repeated and
// collinear points, self-crossing outlines, huge and tiny coordinates. It
// ends; each polygon comes back as it was or reversed; the loops end within
// their list, one after another, each short enough for FillPoly; every loop
// point is a vertex or a point where an edge of one polygon meets an edge of
// the other.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "fuzz_points.h"
#include "overlap.h"

namespace {

bool SameBits(Point P, Point Q) { return std::memcmp(&P, &Q, sizeof P) == 0; }
bool BitsBefore(Point P, Point Q) { return std::memcmp(&P, &Q, sizeof P) < 0; }

PointList Polygon(FuzzedDataProvider& data, std::vector<Point>& earlier, Reach reach) {
  const int n = data.ConsumeIntegralInRange<int>(2, 200);
  PointList P;
  for (int i = 0; i < n; ++i) {
    P.push_back(NextPoint(data, earlier, reach));
    earlier.push_back(P.back());
  }
  return P;
}

bool SameOrReversed(const PointList& after, PointList before) {
  if (after.size() != before.size()) return false;
  auto same = [&] { return std::equal(after.begin(), after.end(), before.begin(), SameBits); };
  if (same()) return true;
  std::reverse(before.begin(), before.end());
  return same();
}

// Vertices of both and every meeting point of an edge of A with one of B.
std::vector<Point> AllowedPoints(const PointList& A, const PointList& B) {
  std::vector<Point> allowed(A.begin(), A.end());
  allowed.insert(allowed.end(), B.begin(), B.end());
  for (std::size_t i = 0; i < A.size(); ++i)
    for (std::size_t j = 0; j < B.size(); ++j) {
      Point X;
      bool crossing = false;
      IntersectSegments(A[i], A[(i + 1) % A.size()], B[j], B[(j + 1) % B.size()], X, crossing);
      if (crossing) allowed.push_back(X);
    }
  std::sort(allowed.begin(), allowed.end(), BitsBefore);
  return allowed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  // Mostly the whole pixels a pointer gives, sometimes any reals.
  const Reach reach = data.ConsumeBool() ? Reach::Pointer : Reach::AnyReal;
  std::vector<Point> earlier;
  const PointList A0 = Polygon(data, earlier, reach);
  const PointList B0 = Polygon(data, earlier, reach);

  PointList A = A0, B = B0;
  OverlapLoops overlap;
  const bool overlapping = TraceOverlap(A, B, overlap);
  FUZZ_CHECK(SameOrReversed(A, A0) && SameOrReversed(B, B0));
  FUZZ_CHECK(overlapping == !overlap.LoopEnd.empty());
  // Each loop is filled with one FillPoly, whose point count is 16-bit.
  int start = 0;
  for (int end : overlap.LoopEnd) {
    FUZZ_CHECK(end > start && end - start <= 32767);
    start = end;
  }
  FUZZ_CHECK(start == static_cast<int>(overlap.Loops.size()));

  const std::vector<Point> allowed = AllowedPoints(A, B);
  for (const Point& P : overlap.Loops)
    FUZZ_CHECK(std::binary_search(allowed.begin(), allowed.end(), P, BitsBefore));
  return 0;
}
