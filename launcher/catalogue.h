// The eleven demonstrations as the launcher offers them: program name,
// window title, group and a line on how to use it.
#pragma once

#include <span>
#include <string_view>

struct Demonstration {
  std::string_view name;   // the program beside the launcher
  std::string_view title;  // its window caption
  std::string_view group;
  std::string_view usage;
};

// In the launcher's order, group after group.
std::span<const Demonstration> catalogue();
