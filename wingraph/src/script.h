// The headless driver's input script: one message a line.
//   mouse X Y BUTTONS   the pointer at (X, Y) with the button/modifier bits
//   key CODE            a key with this character code (0..255)
//   wait N              N polls in which nothing happens
//   random V1 V2 ...    values that Random returns first, in order
//   snap FILE.png       writes the visible page when the polls reach it
// Blank lines and lines starting with # are ignored.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ScriptMessage {
  enum class Kind { Mouse, Key, Wait, Snap };
  Kind kind = Kind::Wait;
  int line = 0;                            // 1-based line number in the script
  std::int32_t x = 0, y = 0, buttons = 0;  // Mouse
  std::int32_t code = 0;                   // Key
  std::int64_t count = 0;                  // Wait
  std::string file;                        // Snap
};

struct ScriptRandom {
  std::int64_t value;
  int line;
};

struct Script {
  std::vector<ScriptMessage> messages;  // mouse, key, wait and snap lines in order
  std::vector<ScriptRandom> randoms;    // all random values in order
};

struct ScriptError {
  int line;
  std::string message;
};

// Reads the whole script; the first malformed line is reported.
std::optional<ScriptError> parse_script(std::string_view text, Script& script);
