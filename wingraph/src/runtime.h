// The run time's random numbers: a small generator of our own, so that a
// seed gives the same numbers everywhere, and the scripted values that a
// headless run puts in front of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "script.h"

// Random takes these first, in order; a value must be below the n it is
// taken for, or the run ends naming the script line.
void queue_random_values(const std::vector<ScriptRandom>& values, std::string script_name);
