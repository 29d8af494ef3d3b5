// Runs a program's renamed main in this process under the headless driver, so
// that its frames can be timed and its allocations counted directly.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

using ProgramMain = int (*)();

// A script written to a file of its own, removed again with the object.
class ScriptFile {
 public:
  explicit ScriptFile(std::string_view text);
  ~ScriptFile();
  ScriptFile(const ScriptFile&) = delete;
  ScriptFile& operator=(const ScriptFile&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct InProcessRun {
  double seconds = 0;
  std::uint64_t allocations = 0;
};

// The whole run from InitGraph to CloseGraph, from the beginning of the
// script: each run gets a file of its own, since the headless driver carries
// on with a script it has seen before (a program reopening its window).
InProcessRun run_in_process(ProgramMain program, std::string_view script);
