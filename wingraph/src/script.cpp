#include "script.h"

#include <charconv>

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> words(std::string_view s) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    size_t start = i;
    while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
    if (i > start) out.push_back(s.substr(start, i - start));
  }
  return out;
}

// A whole number within [low, high], or nothing.
std::optional<std::int64_t> number(std::string_view word, std::int64_t low, std::int64_t high) {
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

}  // namespace

std::optional<ScriptError> parse_script(std::string_view text, Script& script) {
  int line_number = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    ++line_number;
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line.front() == '#') continue;
    auto error = [&](std::string message) { return ScriptError{line_number, std::move(message)}; };
    auto w = words(line);
    std::string_view word = w[0];
    ScriptMessage message;
    message.line = line_number;

    if (word == "mouse") {
      if (w.size() != 4) return error("expected: mouse X Y BUTTONS");
      auto x = number(w[1], 0, 32767), y = number(w[2], 0, 32767), b = number(w[3], 0, 31);
      if (!x || !y) return error("mouse position must be whole numbers from 0 to 32767");
      if (!b)
        return error(
            "mouse buttons must be a whole number from 0 to 31 (1 left, 2 right, 4 middle, 8 "
            "Shift, 16 Ctrl)");
      message.kind = ScriptMessage::Kind::Mouse;
      message.x = static_cast<std::int32_t>(*x);
      message.y = static_cast<std::int32_t>(*y);
      message.buttons = static_cast<std::int32_t>(*b);
    } else if (word == "key") {
      if (w.size() != 2) return error("expected: key CODE");
      auto code = number(w[1], 0, 255);
      if (!code) return error("key code must be a whole number from 0 to 255");
      message.kind = ScriptMessage::Kind::Key;
      message.code = static_cast<std::int32_t>(*code);
    } else if (word == "wait") {
      if (w.size() != 2) return error("expected: wait N");
      auto count = number(w[1], 1, 1'000'000'000'000);
      if (!count) return error("wait needs a whole number of polls from 1 up");
      message.kind = ScriptMessage::Kind::Wait;
      message.count = *count;
    } else if (word == "snap") {
      std::string_view file = trim(line.substr(4));
      if (file.empty()) return error("expected: snap FILE.png");
      message.kind = ScriptMessage::Kind::Snap;
      message.file = std::string(file);
    } else if (word == "random") {
      if (w.size() < 2) return error("expected: random V1 V2 ...");
      for (size_t i = 1; i < w.size(); ++i) {
        auto value = number(w[i], 0, 2147483646);
        if (!value) return error("random values must be whole numbers from 0 to 2147483646");
        script.randoms.push_back({*value, line_number});
      }
      continue;
    } else {
      return error("unknown word '" + std::string(word) +
                   "' (expected mouse, key, wait, random or snap)");
    }
    script.messages.push_back(std::move(message));
  }
  return std::nullopt;
}
