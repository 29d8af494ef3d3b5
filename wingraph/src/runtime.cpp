#include "runtime.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>

#include "device.h"
#include "trace.h"
#include "wingraph.h"

namespace {

// PCG32 (O'Neill): small, fast, and the same sequence on every platform.
struct Generator {
  std::uint64_t state = 0x853c49e6748fea9bULL;

  void seed(std::uint64_t seed) {
    state = 0;
    next();
    state += seed;
    next();
  }
  std::uint32_t next() {
    std::uint64_t old = state;
    state = old * 6364136223846793005ULL + 1442695040888963407ULL;
    auto shifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (shifted >> rotation) | (shifted << ((32 - rotation) & 31));
  }
  // Uniform in 0..n-1 without bias (Lemire's method).
  std::uint32_t below(std::uint32_t n) {
    std::uint64_t m = std::uint64_t{next()} * n;
    auto low = static_cast<std::uint32_t>(m);
    if (low < n) {
      std::uint32_t threshold = -n % n;
      while (low < threshold) {
        m = std::uint64_t{next()} * n;
        low = static_cast<std::uint32_t>(m);
      }
    }
    return static_cast<std::uint32_t>(m >> 32);
  }
};

struct RandomState {
  Generator generator;
  std::deque<ScriptRandom> queued;
  std::string script_name;
  bool seeded = false;
  std::uint64_t last_seed = 0;
  std::uint64_t randomize_calls = 0;
};

RandomState& random_state() {
  static RandomState state;
  return state;
}

std::uint64_t clock_milliseconds() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// "-0.000" shows as "0.000": a value that rounds to zero has no sign.
void drop_minus_of_zero(std::string& text, int width) {
  auto minus = text.find('-');
  if (minus == std::string::npos || text.find_first_of("123456789ni", minus) != std::string::npos)
    return;
  text.erase(minus, 1);
  if (static_cast<int>(text.size()) < width) text.insert(0, 1, ' ');
}

}  // namespace

void queue_random_values(const std::vector<ScriptRandom>& values, std::string script_name) {
  auto& state = random_state();
  state.queued.insert(state.queued.end(), values.begin(), values.end());
  state.script_name = std::move(script_name);
}

std::int32_t Random(std::int32_t n) {
  auto& state = random_state();
  std::int32_t value = 0;
  if (!state.queued.empty()) {
    ScriptRandom next = state.queued.front();
    state.queued.pop_front();
    if (next.value >= std::max<std::int32_t>(n, 1)) {
      fail(2, state.script_name + ":" + std::to_string(next.line) + ": random value " +
                  std::to_string(next.value) + " is not below " + std::to_string(n));
    }
    value = static_cast<std::int32_t>(next.value);
  } else if (n > 0) {
    value = static_cast<std::int32_t>(state.generator.below(static_cast<std::uint32_t>(n)));
  }
  TraceLine("Random").arg(n).result(value);
  return value;
}

void Randomize() {
  TraceLine("Randomize");
  auto& state = random_state();
  std::uint64_t seed = clock_milliseconds();
  if (const char* fixed = std::getenv("WINGRAPH_SEED"); fixed != nullptr && *fixed != '\0') {
    const std::string_view text(fixed);
    std::uint64_t base = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), base);
    if (error != std::errc() || end != text.data() + text.size())
      fail(2, "WINGRAPH_SEED must be a whole number from 0 up, not '" + std::string(text) + "'");
    seed = base + state.randomize_calls;
  }
  // Two calls within one millisecond still get different seeds.
  if (state.seeded && seed <= state.last_seed) seed = state.last_seed + 1;
  state.seeded = true;
  state.last_seed = seed;
  ++state.randomize_calls;
  state.generator.seed(seed);
}

std::string Str(double value, int width, int decimals) {
  char buffer[512];
  width = std::clamp(width, 0, 255);
  decimals = std::clamp(decimals, 0, 100);
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  std::string text(buffer);
  drop_minus_of_zero(text, width);
  return text;
}

std::string Str(std::int64_t value, int width) {
  char buffer[300];
  width = std::clamp(width, 0, 255);
  std::snprintf(buffer, sizeof buffer, "%*lld", width, static_cast<long long>(value));
  return buffer;
}
