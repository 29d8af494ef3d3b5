#include "in_process_run.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

#include "allocation_count.h"

ScriptFile::ScriptFile(std::string_view text) {
  static int counter = 0;
  path_ = std::filesystem::temp_directory_path() /
          ("demo-bench-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".txt");
  std::ofstream(path_) << text;
}

ScriptFile::~ScriptFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

InProcessRun run_in_process(ProgramMain program, std::string_view script_text) {
  const ScriptFile script(script_text);
  setenv("WINGRAPH_DRIVER", "headless", 1);
  setenv("WINGRAPH_SCRIPT", script.path().c_str(), 1);
  const std::uint64_t allocations = allocations_so_far();
  const auto start = std::chrono::steady_clock::now();
  program();
  const auto end = std::chrono::steady_clock::now();
  return {std::chrono::duration<double>(end - start).count(), allocations_so_far() - allocations};
}
