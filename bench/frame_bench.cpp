// One whole frame of each drag-loop and animation program (flip, clear, all
// drawing and text, the key poll), beside the flip and clear alone measured in
// the same iteration, and the heap allocations per frame. A frame is the
// difference of two runs of the real program that differ only in their number
// of frames, so start-up and closing cancel out.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "demo_frame.h"
#include "in_process_run.h"

// The programs' mains, renamed at build time (bench/CMakeLists.txt).
extern "C" {
int cross_product_main();
int vector_angle_main();
int segment_crossing_main();
int segment_distance_main();
int normal_line_main();
int line_circle_main();
}

namespace {

struct FrameProgram {
  const char* name;
  ProgramMain main;
  int polls_per_frame;  // a drag loop polls the mouse and the keyboard, an animation the keyboard
};

const FrameProgram frame_programs[] = {
    {"cross_product", cross_product_main, 2},       {"vector_angle", vector_angle_main, 2},
    {"segment_crossing", segment_crossing_main, 2}, {"segment_distance", segment_distance_main, 2},
    {"normal_line", normal_line_main, 1},           {"line_circle", line_circle_main, 1},
};

constexpr int ShortRun = 16;
constexpr int LongRun = ShortRun + 256;
constexpr int ClearRounds = 64;
// Each iteration takes both runs, many times the frame it reports.
constexpr int FrameIterations = 60;

// The polls of all frames but the last pass in one wait; the key then ends the
// last frame. The picture is the program's start picture throughout (line_circle's
// Delay takes no time under the headless driver). The count is written with
// leading zeros so that every script has the same length and reading it costs
// the same.
std::string frames_script(const FrameProgram& program, int frames) {
  char script[32];
  std::snprintf(script, sizeof script, "wait %09d\nkey 32\n",
                program.polls_per_frame * (frames - 1));
  return script;
}

// Seconds of one flip_pages (SetActivePage, SetVisualPage, ClearDevice) on the
// headless device, as the programs call it.
double flip_and_clear_seconds(int rounds) {
  setenv("WINGRAPH_DRIVER", "headless", 1);
  unsetenv("WINGRAPH_SCRIPT");
  open_demo_window("flip and clear");
  std::int16_t page = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) flip_pages(page);
  const auto end = std::chrono::steady_clock::now();
  CloseGraph();
  return std::chrono::duration<double>(end - start).count() / rounds;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The time column is the mean frame; the counters give medians, which other
// work on the machine disturbs less. The ratio is the median of the ratios of
// each iteration, whose frame and clear were measured moments apart.
void BM_Frame(benchmark::State& state, const FrameProgram& program) {
  const std::string shorter = frames_script(program, ShortRun);
  const std::string longer = frames_script(program, LongRun);
  run_in_process(program.main, shorter);  // glyphs rasterised, caches warm
  std::vector<double> frames, clears, ratios;
  double allocations = 0;
  for (auto _ : state) {
    const InProcessRun few = run_in_process(program.main, shorter);
    const InProcessRun many = run_in_process(program.main, longer);
    const double clear = flip_and_clear_seconds(ClearRounds);
    const double frame = (many.seconds - few.seconds) / (LongRun - ShortRun);
    state.SetIterationTime(std::max(frame, 0.0));
    frames.push_back(frame);
    clears.push_back(clear);
    ratios.push_back(frame / clear);
    allocations += static_cast<double>(many.allocations - few.allocations) / (LongRun - ShortRun);
  }
  using benchmark::Counter;
  state.counters["frame_us"] = median(frames) * 1e6;
  state.counters["clear_us"] = median(clears) * 1e6;
  state.counters["x_clear"] = median(ratios);
  state.counters["allocs"] = Counter(allocations, Counter::kAvgIterations);
}

void BM_FlipAndClear(benchmark::State& state) {
  setenv("WINGRAPH_DRIVER", "headless", 1);
  unsetenv("WINGRAPH_SCRIPT");
  open_demo_window("flip and clear");
  std::int16_t page = 0;
  for (auto _ : state) flip_pages(page);
  CloseGraph();
}

[[maybe_unused]] const bool registered = [] {
  for (const FrameProgram& program : frame_programs) {
    benchmark::RegisterBenchmark((std::string("Frame/") + program.name).c_str(), BM_Frame, program)
        ->UseManualTime()
        ->Iterations(FrameIterations)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("FlipAndClear", BM_FlipAndClear)->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace
