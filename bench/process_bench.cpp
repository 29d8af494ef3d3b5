// The built programs as separate processes under the headless driver: the
// time from starting one to its first picture on show, and its peak resident
// size over a short session.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "in_process_run.h"

extern char** environ;

namespace {

struct ProcessProgram {
  const char* name;
  // Polls before the first picture with content is on show: a drag loop shows
  // it at the flip of its second frame, an animation too, the other programs
  // draw on the page shown and then wait for input.
  int polls_before_picture;
  const char* session;
};

constexpr const char* Drag =
    "wait 200\nmouse 500 200 1\nwait 200\nmouse 300 400 2\nwait 200\nmouse 350 350 3\n"
    "wait 200\nkey 32\n";
constexpr const char* Animation = "wait 1000\nkey 32\n";
constexpr const char* KeySteps = "key 32\nkey 32\nkey 32\nkey 32\nkey 32\nkey 32\nkey 27\n";
constexpr const char* OneKey = "key 32\n";
// A pentagon and a square by clicks, each ended by a right click, and the
// keys after each step.
constexpr const char* Polygons =
    "mouse 100 100 1\nmouse 100 100 0\nwait 1\nmouse 300 80 1\nmouse 300 80 0\nwait 1\n"
    "mouse 350 250 1\nmouse 350 250 0\nwait 1\nmouse 200 350 1\nmouse 200 350 0\nwait 1\n"
    "mouse 80 250 1\nmouse 80 250 0\nwait 1\nmouse 80 250 2\nkey 32\n"
    "mouse 200 200 1\nmouse 200 200 0\nwait 1\nmouse 400 200 1\nmouse 400 200 0\nwait 1\n"
    "mouse 400 400 1\nmouse 400 400 0\nwait 1\nmouse 200 400 1\nmouse 200 400 0\nwait 1\n"
    "mouse 200 400 2\nkey 32\nkey 32\n";

const ProcessProgram process_programs[] = {
    {"cross_product", 2, Drag},       {"vector_angle", 2, Drag},
    {"perpendicular", 0, OneKey},     {"circumcircle", 0, KeySteps},
    {"normal_line", 1, Animation},    {"line_circle", 1, Animation},
    {"segment_crossing", 2, Drag},    {"intersections", 0, KeySteps},
    {"segment_distance", 2, Drag},    {"point_in_polygon", 0, KeySteps},
    {"polygon_overlap", 0, Polygons},
};

// The command line and environment of a program run headless with a script,
// without a trace.
class HeadlessCommand {
 public:
  HeadlessCommand(const std::string& program, const ScriptFile& script)
      : binary_(std::string(DEMO_BIN_DIR) + "/" + program) {
    // This process's environment without any WINGRAPH_ setting, then ours.
    for (char** e = environ; *e != nullptr; ++e) {
      if (std::string_view(*e).substr(0, 9) != "WINGRAPH_") entries_.emplace_back(*e);
    }
    entries_.emplace_back("WINGRAPH_DRIVER=headless");
    entries_.emplace_back("WINGRAPH_SCRIPT=" + script.path().string());
    entries_.emplace_back("WINGRAPH_SEED=1");
    for (std::string& entry : entries_) envp_.push_back(entry.data());
    envp_.push_back(nullptr);
    argv_ = {binary_.data(), nullptr};
  }
  const char* binary() const { return binary_.c_str(); }
  char* const* argv() const { return argv_.data(); }
  char* const* envp() const { return envp_.data(); }

 private:
  std::string binary_;
  std::vector<std::string> entries_;
  std::vector<char*> envp_;
  std::vector<char*> argv_;
};

int exit_status(int wait_status) {
  return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
}

struct TimedRun {
  double seconds = 0;
  int status = -1;
};

// From just before the start to the end of the process, its output thrown
// away.
TimedRun spawn_timed(const HeadlessCommand& command) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd : {0, 1, 2})
    posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
  TimedRun run;
  pid_t pid = 0;
  const auto start = std::chrono::steady_clock::now();
  if (posix_spawn(&pid, command.binary(), &actions, nullptr, command.argv(), command.envp()) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.status = exit_status(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

// VmHWM of a live process, in KiB.
long peak_resident_kib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

struct MeasuredRun {
  int status = -1;
  long peak_kib = 0;
};

// The peak resident size of the program alone, read from /proc when it is
// about to exit, stopped there by ptrace. (The maximum resident size that
// wait4 reports also takes in the process it was started from, this
// benchmark, because Linux carries the high-water mark over exec.)
MeasuredRun run_measured(const HeadlessCommand& command) {
  MeasuredRun run;
  const pid_t pid = fork();
  if (pid < 0) return run;
  if (pid == 0) {
    const int null = open("/dev/null", O_RDWR);
    for (int fd : {0, 1, 2}) dup2(null, fd);
    ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
    execve(command.binary(), command.argv(), command.envp());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);  // stopped at the exec, or ended when it failed
  if (WIFSTOPPED(status)) {
    ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACEEXIT | PTRACE_O_EXITKILL);
    ptrace(PTRACE_CONT, pid, nullptr, nullptr);
    while (waitpid(pid, &status, 0) == pid && WIFSTOPPED(status)) {
      int passed_on = 0;
      if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
        run.peak_kib = peak_resident_kib(pid);
      } else {
        passed_on = WSTOPSIG(status);
      }
      ptrace(PTRACE_CONT, pid, nullptr, passed_on);
    }
  }
  run.status = exit_status(status);
  return run;
}

// The script runs out at the first poll after the picture is on show, so the
// program ends there with status 3.
void BM_StartUp(benchmark::State& state, const ProcessProgram& program) {
  const int polls = program.polls_before_picture;
  const ScriptFile script(polls > 0 ? "wait " + std::to_string(polls) + "\n" : "");
  const HeadlessCommand command(program.name, script);
  for (auto _ : state) {
    const TimedRun run = spawn_timed(command);
    if (run.status != 3) {
      state.SkipWithError("the program did not stop at its first picture");
      break;
    }
    state.SetIterationTime(run.seconds);
  }
}

void BM_PeakMemory(benchmark::State& state, const ProcessProgram& program) {
  const ScriptFile script(program.session);
  const HeadlessCommand command(program.name, script);
  long peak_kib = 0;
  for (auto _ : state) {
    const MeasuredRun run = run_measured(command);
    if (run.status != 0 || run.peak_kib == 0) {
      state.SkipWithError("the session did not end normally, or its memory could not be read");
      break;
    }
    peak_kib = std::max(peak_kib, run.peak_kib);
  }
  state.counters["peak_MiB"] = static_cast<double>(peak_kib) / 1024;
}

[[maybe_unused]] const bool registered = [] {
  for (const ProcessProgram& program : process_programs) {
    benchmark::RegisterBenchmark((std::string("StartUp/") + program.name).c_str(), BM_StartUp,
                                 program)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
  for (const ProcessProgram& program : process_programs) {
    benchmark::RegisterBenchmark((std::string("PeakMemory/") + program.name).c_str(), BM_PeakMemory,
                                 program)
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
