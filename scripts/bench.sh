#!/usr/bin/env bash
# Builds the benchmarks (preset "bench", optimised) and runs them all: Google
# Benchmark's table, then the figures set against the performance goals. The
# runs are also written to build/bench/results.json, the console output to
# build/bench/results.txt. Arguments go to the benchmark program, e.g.
#   scripts/bench.sh --benchmark_filter='Frame|TraceOverlap'
set -euo pipefail
cd "$(dirname "$0")/.."

dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed" ||
  scripts/setup.sh >/dev/null

cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
build/bench/bin/demo_bench --benchmark_out=build/bench/results.json \
  --benchmark_out_format=json --benchmark_color=false "$@" | tee build/bench/results.txt
