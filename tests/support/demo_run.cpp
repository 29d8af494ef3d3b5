#include "support/demo_run.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace {

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every run of this test process has a folder below one root, removed at the
// end unless a test failed, so that a failure keeps its scripts, traces and
// snapshots to look at.
struct RunsRoot {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("demo-runs-" + std::to_string(getpid()));
  ~RunsRoot() {
    if (!testing::UnitTest::GetInstance()->Failed()) {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    } else {
      std::fprintf(stderr, "Runs of the failed tests are kept in %s\n", path.c_str());
    }
  }
};

std::filesystem::path fresh_dir(std::string_view program) {
  static RunsRoot root;
  static std::atomic<int> counter{0};
  auto dir = root.path / (std::to_string(counter++) + "-" + std::string(program));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace

std::filesystem::path demo_binary(std::string_view program) {
  return std::filesystem::path(DEMO_BIN_DIR) / program;
}

DemoRun run_demo(std::string_view program, std::string_view script,
                 const std::map<std::string, std::string>& extra_env) {
  DemoRun run;
  run.dir = fresh_dir(program);
  { std::ofstream(run.dir / "script.txt") << script; }

  std::map<std::string, std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    std::string entry(*e);
    auto eq = entry.find('=');
    if (eq != std::string::npos) env[entry.substr(0, eq)] = entry.substr(eq + 1);
  }
  env["WINGRAPH_DRIVER"] = "headless";
  env["WINGRAPH_SCRIPT"] = (run.dir / "script.txt").string();
  env["WINGRAPH_TRACE"] = (run.dir / "trace.txt").string();
  env["WINGRAPH_SEED"] = "1";
  for (const auto& [key, value] : extra_env) env[key] = value;
  std::vector<std::string> entries;
  for (const auto& [key, value] : env) entries.push_back(key + "=" + value);
  std::vector<char*> envp;
  for (auto& entry : entries) envp.push_back(entry.data());
  envp.push_back(nullptr);

  const std::string binary = demo_binary(program).string();
  const std::string error_path = (run.dir / "stderr.txt").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, run.dir.c_str());
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, error_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  std::vector<char*> argv{const_cast<char*>(binary.c_str()), nullptr};
  pid_t pid = 0;
  int spawned = posix_spawn(&pid, binary.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + binary);

  int status = 0;
  waitpid(pid, &status, 0);
  run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.error_text = read_file(error_path);
  std::istringstream trace(read_file(run.dir / "trace.txt"));
  for (std::string line; std::getline(trace, line);) run.trace.push_back(line);
  return run;
}

std::vector<std::string> DemoRun::calls(std::string_view name) const {
  std::vector<std::string> found;
  for (const auto& line : trace) {
    if (line.size() >= name.size() && line.compare(0, name.size(), name) == 0 &&
        (line.size() == name.size() || line[name.size()] == ' '))
      found.push_back(line);
  }
  return found;
}

bool DemoRun::has(std::string_view line) const { return find(line) >= 0; }

int DemoRun::find(std::string_view line, int from) const {
  for (int i = from; i < static_cast<int>(trace.size()); ++i)
    if (trace[i] == line) return i;
  return -1;
}

std::string mouse_frames(std::initializer_list<MouseFrame> frames) {
  std::string script;
  for (const MouseFrame& f : frames)
    script += "mouse " + std::to_string(f.x) + " " + std::to_string(f.y) + " " +
              std::to_string(f.buttons) + "\nwait 1\n";
  return script;
}
