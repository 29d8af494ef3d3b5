// The headless driver's script reader on any text: an error names a line of
// the text, the first bad one; what it reads lies within the ranges of its
// words, in line order, and reads back the same when written out again.
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "script.h"

namespace {

// The lines parse_script counts: one for every line start inside the text.
int LineCount(std::string_view text) {
  int lines = 0;
  for (std::size_t pos = 0; pos < text.size(); ++lines) {
    const std::size_t end = text.find('\n', pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
  }
  return lines;
}

// Where line n (1-based) begins.
std::size_t LineStart(std::string_view text, int n) {
  std::size_t pos = 0;
  for (int line = 1; line < n; ++line) pos = text.find('\n', pos) + 1;
  return pos;
}

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

void CheckRanges(const Script& script, int lines) {
  int previous = 0;
  for (const ScriptMessage& m : script.messages) {
    FUZZ_CHECK(m.line > previous && m.line <= lines);
    previous = m.line;
    switch (m.kind) {
      case ScriptMessage::Kind::Mouse:
        FUZZ_CHECK(m.x >= 0 && m.x <= 32767 && m.y >= 0 && m.y <= 32767);
        FUZZ_CHECK(m.buttons >= 0 && m.buttons <= 31);
        break;
      case ScriptMessage::Kind::Key:
        FUZZ_CHECK(m.code >= 0 && m.code <= 255);
        break;
      case ScriptMessage::Kind::Wait:
        FUZZ_CHECK(m.count >= 1 && m.count <= 1'000'000'000'000);
        break;
      case ScriptMessage::Kind::Snap:
        FUZZ_CHECK(!m.file.empty() && !Blank(m.file.front()) && !Blank(m.file.back()));
        FUZZ_CHECK(m.file.find('\n') == std::string::npos);
        break;
    }
  }
  previous = 0;
  for (const ScriptRandom& r : script.randoms) {
    FUZZ_CHECK(r.value >= 0 && r.value <= 2147483646);
    FUZZ_CHECK(r.line >= previous && r.line <= lines);
    previous = r.line;
  }
}

// The script written out again, each message and each line of random values
// on the line it came from.
std::string WrittenOut(const Script& script, int lines) {
  std::vector<std::string> text(lines + 1);
  for (const ScriptMessage& m : script.messages) {
    std::string& line = text[m.line];
    switch (m.kind) {
      case ScriptMessage::Kind::Mouse:
        line = "mouse " + std::to_string(m.x) + " " + std::to_string(m.y) + " " +
               std::to_string(m.buttons);
        break;
      case ScriptMessage::Kind::Key:
        line = "key " + std::to_string(m.code);
        break;
      case ScriptMessage::Kind::Wait:
        line = "wait " + std::to_string(m.count);
        break;
      case ScriptMessage::Kind::Snap:
        line = "snap " + m.file;
        break;
    }
  }
  for (const ScriptRandom& r : script.randoms) {
    std::string& line = text[r.line];
    line += (line.empty() ? "random " : " ") + std::to_string(r.value);
  }
  std::string out;
  for (int n = 1; n <= lines; ++n) out += text[n] + "\n";
  return out;
}

bool SameScript(const Script& a, const Script& b) {
  if (a.messages.size() != b.messages.size() || a.randoms.size() != b.randoms.size()) return false;
  for (std::size_t i = 0; i < a.messages.size(); ++i) {
    const ScriptMessage &m = a.messages[i], &n = b.messages[i];
    if (m.kind != n.kind || m.line != n.line || m.x != n.x || m.y != n.y ||
        m.buttons != n.buttons || m.code != n.code || m.count != n.count || m.file != n.file)
      return false;
  }
  for (std::size_t i = 0; i < a.randoms.size(); ++i)
    if (a.randoms[i].value != b.randoms[i].value || a.randoms[i].line != b.randoms[i].line)
      return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const int lines = LineCount(text);
  Script script;
  const auto error = parse_script(text, script);
  if (error) {
    FUZZ_CHECK(error->line >= 1 && error->line <= lines);
    FUZZ_CHECK(!error->message.empty());
    // The first bad line: everything before it reads without an error.
    Script before;
    FUZZ_CHECK(!parse_script(text.substr(0, LineStart(text, error->line)), before));
    return 0;
  }
  CheckRanges(script, lines);
  Script again;
  const std::string written = WrittenOut(script, lines);
  FUZZ_CHECK(!parse_script(written, again));
  FUZZ_CHECK(SameScript(script, again));
  return 0;
}
