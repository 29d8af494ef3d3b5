// Runs the benchmarks with the usual table on the console (and the JSON file
// that --benchmark_out asks for), then sets the figures against the goals.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "goal_summary.h"

namespace {

// The console table, keeping every run for the summary.
class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal.
  CollectingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    collected.insert(collected.end(), runs.begin(), runs.end());
  }
  BenchmarkRuns collected;
};

}  // namespace

int main(int argc, char** argv) {
  // The programs run in this process must not write a trace.
  setenv("WINGRAPH_TRACE", "", 1);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  print_goal_summary(reporter.collected, std::cout);
  return 0;
}
