// Runs a real demo program under the headless driver with a script and
// collects what it did: exit status, stderr, the call trace and snapshots.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct DemoRun {
  int exit_status = -1;            // the program's exit status; 128 + signal when killed
  std::string error_text;          // what it wrote on stderr
  std::vector<std::string> trace;  // one graphics call a line
  std::filesystem::path dir;       // holds the script, the trace and any snapshots

  // Trace lines that start with the call's name ("Circle" matches
  // "Circle 1 2 3", not "CircleX").
  std::vector<std::string> calls(std::string_view name) const;
  // Whether this exact line is in the trace.
  bool has(std::string_view line) const;
  // Index of the first line at or after from that equals line, or -1.
  int find(std::string_view line, int from = 0) const;
  std::filesystem::path file(std::string_view name) const { return dir / name; }
};

// Runs bin/<program> with WINGRAPH_DRIVER=headless, the script, a trace and
// WINGRAPH_SEED=1 (unless extra_env sets them otherwise). Snapshot names in
// the script are relative to the run's folder.
DemoRun run_demo(std::string_view program, std::string_view script,
                 const std::map<std::string, std::string>& extra_env = {});

// Script lines for drag-loop frames: each frame polls the mouse once and the
// keyboard once, so each {x, y, buttons} becomes a mouse line and a wait turn.
struct MouseFrame {
  int x, y, buttons;
};
std::string mouse_frames(std::initializer_list<MouseFrame> frames);

// The path of a built program.
std::filesystem::path demo_binary(std::string_view program);
