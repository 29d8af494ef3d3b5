// TraceOverlap for two star-shaped polygons of n whole-number vertices each,
// set off against each other so that their spikes cross all round.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "overlap.h"

namespace {

// n corners around (cx, cy), radii alternating, the first at the given angle.
PointList star(int n, double cx, double cy, double turn) {
  PointList P;
  for (int k = 0; k < n; ++k) {
    const double radius = k % 2 == 0 ? 250 : 150;
    const double angle = turn + 2 * std::numbers::pi * k / n;
    P.push_back(
        {std::round(cx + radius * std::cos(angle)), std::round(cy + radius * std::sin(angle))});
  }
  return P;
}

void BM_TraceOverlap(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const PointList A = star(n, 400, 300, 0);
  const PointList B = star(n, 430, 320, std::numbers::pi / n);
  OverlapLoops overlap;
  bool overlapping = false;
  for (auto _ : state) {
    PointList a = A, b = B;
    overlapping = TraceOverlap(a, b, overlap);
    benchmark::DoNotOptimize(overlap.Loops.data());
  }
  if (!overlapping) state.SkipWithError("the stars do not overlap");
  state.SetComplexityN(n);
  state.counters["loops"] = static_cast<double>(overlap.LoopEnd.size());
  state.counters["points"] = static_cast<double>(overlap.Loops.size());
}

// The best of five repetitions: the fastest time is the one other work on the
// machine has disturbed least.
BENCHMARK(BM_TraceOverlap)
    ->Name("TraceOverlap")
    ->Arg(4)
    ->Arg(16)
    ->Arg(64)
    ->Arg(200)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ComputeStatistics("min",
                        [](const std::vector<double>& v) {
                          return *std::min_element(v.begin(), v.end());
                        })
    ->ReportAggregatesOnly()
    ->Complexity();

}  // namespace
