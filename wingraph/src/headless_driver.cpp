#include "headless_driver.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "device.h"
#include "page_png.h"
#include "runtime.h"
#include "script.h"

namespace {

// Nothing when the file cannot be opened or a read fails (a folder, for one).
std::optional<std::string> read_whole_file(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string text;
  char buffer[1 << 16];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
  const bool read = !std::ferror(file);
  std::fclose(file);
  if (!read) return std::nullopt;
  return text;
}

class HeadlessDriver final : public Driver {
 public:
  std::string open(std::string_view) override {
    // Opened again with the same script (a program started from another in
    // the same run), the script goes on where it stood; another script starts
    // from its beginning.
    const char* path = std::getenv("WINGRAPH_SCRIPT");
    const std::string name = path == nullptr || *path == '\0' ? "(no script)" : path;
    if (loaded_ && name == name_) return {};
    loaded_ = true;
    name_ = name;
    script_ = Script{};
    next_ = 0;
    waited_ = 0;
    if (path == nullptr || *path == '\0') return {};
    const std::optional<std::string> text = read_whole_file(name_);
    if (!text) fail(2, "cannot read the script " + name_);
    if (auto error = parse_script(*text, script_))
      fail(2, name_ + ":" + std::to_string(error->line) + ": " + error->message);
    queue_random_values(script_.randoms, name_);
    return {};
  }

  void close() override {}

  void flip(const Page&) override {}

  void poll(Input& input, const Page& visible, bool) override {
    take_snaps(visible);
    if (next_ >= script_.messages.size()) {
      if (input.keys.empty())
        fail(3, "the script " + name_ + " has run out and the program still waits for input");
      return;
    }
    const ScriptMessage& message = script_.messages[next_];
    switch (message.kind) {
      case ScriptMessage::Kind::Mouse:
        input.mouse = {static_cast<std::int16_t>(message.x), static_cast<std::int16_t>(message.y),
                       static_cast<std::int16_t>(message.buttons)};
        ++next_;
        break;
      case ScriptMessage::Kind::Key:
        input.keys.push_back(static_cast<char>(message.code));
        ++next_;
        break;
      case ScriptMessage::Kind::Wait:
        if (++waited_ >= message.count) {
          waited_ = 0;
          ++next_;
        }
        break;
      case ScriptMessage::Kind::Snap:
        break;  // taken by take_snaps
    }
  }

  void wait_for_key(Input& input, const Page& visible, bool drawn) override {
    do poll(input, visible, drawn);
    while (input.keys.empty());
  }

  // Time is the script's: a delay takes no time.
  void delay(std::uint32_t) override {}

  void finish(const Page& visible) override { take_snaps(visible); }

 private:
  void take_snaps(const Page& visible) {
    while (next_ < script_.messages.size() &&
           script_.messages[next_].kind == ScriptMessage::Kind::Snap) {
      const ScriptMessage& snap = script_.messages[next_];
      if (!write_page_png(visible, snap.file))
        fail(2,
             name_ + ":" + std::to_string(snap.line) + ": cannot write the snapshot " + snap.file);
      ++next_;
    }
  }

  // One script for the whole process, however often the window is opened.
  static inline bool loaded_ = false;
  static inline std::string name_;
  static inline Script script_;
  static inline size_t next_ = 0;
  static inline std::int64_t waited_ = 0;
};

}  // namespace

std::unique_ptr<Driver> make_headless_driver() { return std::make_unique<HeadlessDriver>(); }
