#include "goal_summary.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>

namespace {

constexpr double FrameGoal = 1.5;      // frame time / flip and clear time
constexpr double OverlapGoal = 1e-3;   // seconds for 200 against 200 vertices
constexpr double StartUpGoal = 50e-3;  // seconds to the first picture
constexpr double MemoryGoal = 32;      // MiB of peak resident size

using Run = benchmark::BenchmarkReporter::Run;

double seconds(const Run& run) {
  return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

double counter(const Run& run, const std::string& name) {
  const auto it = run.counters.find(name);
  return it == run.counters.end() ? NAN : it->second.value;
}

// The measured runs by family ("Frame") and argument ("cross_product"). Of
// repeated runs the "min" aggregate stands where there is one, else the last
// repetition.
std::map<std::string, std::map<std::string, const Run*>> by_family(const BenchmarkRuns& runs) {
  std::map<std::string, std::map<std::string, const Run*>> families;
  for (const Run& run : runs) {
    const bool best = run.run_type == Run::RT_Aggregate && run.aggregate_name == "min";
    if ((run.run_type != Run::RT_Iteration && !best) || run.error_occurred) continue;
    const std::string& args = run.run_name.args;
    const std::string name = run.run_name.function_name + (args.empty() ? "" : "/" + args);
    const auto slash = name.find('/');
    if (slash == std::string::npos) continue;
    const Run*& kept = families[name.substr(0, slash)][name.substr(slash + 1)];
    if (best || kept == nullptr || kept->run_type != Run::RT_Aggregate) kept = &run;
  }
  return families;
}

// One decimal, or "-" for a figure not measured.
std::string figure(double value) {
  if (std::isnan(value)) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

std::string line(const char* format, auto... values) {
  char text[256];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

}  // namespace

bool print_goal_summary(const BenchmarkRuns& runs, std::ostream& out) {
  auto families = by_family(runs);
  bool all_met = true;

  if (const auto& frames = families["Frame"]; !frames.empty()) {
    out << "\nFrame cost (goal: a frame within " << FrameGoal
        << " x the flip and clear alone, no allocation after the first frame)\n"
        << line("%-18s %10s %10s %8s %12s  %s\n", "program", "frame us", "clear us", "x clear",
                "allocs/frame", "goal")
        << "(medians of the iterations; each frame is the program's start picture)\n";
    for (const auto& [program, run] : frames) {
      const double ratio = counter(*run, "x_clear");
      const double allocations = counter(*run, "allocs");
      const bool met = ratio <= FrameGoal && allocations == 0;
      all_met = all_met && met;
      out << line("%-18s %10.1f %10.1f %8.2f %12.2f  %s\n", program.c_str(),
                  counter(*run, "frame_us"), counter(*run, "clear_us"), ratio, allocations,
                  verdict(met));
    }
  }

  if (const auto& draws = families["Draw"]; !draws.empty()) {
    out << "\nDrawing primitives\n" << line("%-18s %14s %12s\n", "shape", "per second", "ns each");
    for (const auto& [shape, run] : draws) {
      out << line("%-18s %14.0f %12.1f\n", shape.c_str(), counter(*run, "items_per_second"),
                  seconds(*run) * 1e9);
    }
  }

  if (const auto& overlaps = families["TraceOverlap"]; !overlaps.empty()) {
    out << "\nTraceOverlap, two stars of n vertices, best of five (goal: n = 200 under "
        << OverlapGoal * 1e3 << " ms)\n"
        << line("%6s %12s %8s %8s  %s\n", "n", "time us", "loops", "growth", "goal");
    std::map<int, const Run*> by_n;
    for (const auto& [n, run] : overlaps) by_n[std::stoi(n)] = run;
    const Run* previous = nullptr;
    int previous_n = 0;
    for (const auto& [n, run] : by_n) {
      // The exponent k of time ~ n^k between this n and the one before.
      std::string growth = "";
      if (previous != nullptr)
        growth = line("n^%.2f", std::log(seconds(*run) / seconds(*previous)) /
                                    std::log(static_cast<double>(n) / previous_n));
      std::string goal = "";
      if (n == 200) {
        goal = verdict(seconds(*run) < OverlapGoal);
        all_met = all_met && seconds(*run) < OverlapGoal;
      }
      out << line("%6d %12.1f %8.0f %8s  %s\n", n, seconds(*run) * 1e6, counter(*run, "loops"),
                  growth.c_str(), goal.c_str());
      previous = run;
      previous_n = n;
    }
  }

  const auto& startups = families["StartUp"];
  const auto& memories = families["PeakMemory"];
  if (!startups.empty() || !memories.empty()) {
    out << "\nStart-up to the first picture and peak resident size (goals: under "
        << StartUpGoal * 1e3 << " ms, under " << MemoryGoal << " MiB)\n"
        << line("%-18s %12s %10s  %s\n", "program", "start-up ms", "peak MiB", "goal");
    std::map<std::string, std::pair<double, double>> programs;  // NaN where not measured
    const std::pair<double, double> unmeasured{NAN, NAN};
    for (const auto& [program, run] : startups)
      programs.try_emplace(program, unmeasured).first->second.first = seconds(*run) * 1e3;
    for (const auto& [program, run] : memories)
      programs.try_emplace(program, unmeasured).first->second.second = counter(*run, "peak_MiB");
    for (const auto& [program, figures] : programs) {
      const auto [startup, memory] = figures;
      const bool met = !(startup >= StartUpGoal * 1e3) && !(memory >= MemoryGoal);
      all_met = all_met && met;
      out << line("%-18s %12s %10s  %s\n", program.c_str(), figure(startup).c_str(),
                  figure(memory).c_str(), verdict(met));
    }
  }

  out << "\n" << (all_met ? "Every goal measured was met." : "Some goals were missed.") << "\n";
  return all_met;
}
