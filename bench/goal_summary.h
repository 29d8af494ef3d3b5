// The figures of a benchmark run set against the performance goals, as one
// table per goal.
#pragma once

#include <benchmark/benchmark.h>

#include <ostream>
#include <vector>

using BenchmarkRuns = std::vector<benchmark::BenchmarkReporter::Run>;

// Prints the tables; gives whether every goal measured in the runs was met.
bool print_goal_summary(const BenchmarkRuns& runs, std::ostream& out);
