// Runs a program that lies in the launcher's own folder and waits for it.
#pragma once

#include <string>
#include <string_view>

// Empty when the program ran and ended with status 0; otherwise a line that
// says what went wrong.
std::string run_sibling(std::string_view name);
