// What a fuzz target checks beyond "no crash": a broken property stops the
// run with its text, and libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void Violated(const char* what) {
  std::fprintf(stderr, "violated: %s\n", what);
  std::abort();
}

#define FUZZ_CHECK(condition)               \
  do {                                      \
    if (!(condition)) Violated(#condition); \
  } while (0)
