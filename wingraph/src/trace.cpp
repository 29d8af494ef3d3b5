#include "trace.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "device.h"

namespace {

struct TraceFile {
  std::FILE* file = nullptr;
  std::string path;

  TraceFile() {
    const char* name = std::getenv("WINGRAPH_TRACE");
    if (name == nullptr || *name == '\0') return;
    path = name;
    file = std::fopen(name, "w");
    if (file == nullptr) {
      std::fprintf(stderr, "%s: cannot write the trace file %s\n", program_invocation_short_name,
                   name);
      std::exit(2);
    }
  }
  ~TraceFile() {
    if (file != nullptr) std::fclose(file);
  }
};

TraceFile& trace_file() {
  static TraceFile trace;
  return trace;
}

}  // namespace

bool tracing() { return trace_file().file != nullptr; }

void flush_trace() {
  TraceFile& trace = trace_file();
  if (trace.file == nullptr) return;
  if (std::fflush(trace.file) != 0 || std::ferror(trace.file)) {
    // A full disk, for one: nothing more goes there, and the run ends.
    std::fclose(trace.file);
    trace.file = nullptr;
    fail(2, "cannot write the trace file " + trace.path);
  }
}

TraceLine::TraceLine(std::string_view call) {
  if (tracing()) line_ = call;
}

TraceLine& TraceLine::arg(std::int64_t value) {
  // Appended piece by piece: g++ 12 at -O3 warns wrongly about " " + text.
  if (line_.empty()) return *this;
  line_ += ' ';
  line_ += std::to_string(value);
  return *this;
}

TraceLine& TraceLine::text(std::string_view value) {
  if (line_.empty()) return *this;
  line_ += " \"";
  for (unsigned char c : value) {
    if (c == '"' || c == '\\') {
      line_ += '\\';
      line_ += static_cast<char>(c);
    } else if (c < 32 || c >= 127) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      line_ += escaped;
    } else {
      line_ += static_cast<char>(c);
    }
  }
  line_ += '"';
  return *this;
}

TraceLine& TraceLine::colour(std::uint32_t rgb) {
  if (line_.empty()) return *this;
  char hex[9];
  std::snprintf(hex, sizeof hex, " #%06X", rgb & 0xFFFFFFu);
  line_ += hex;
  return *this;
}

TraceLine& TraceLine::result(std::int64_t value) {
  if (!line_.empty()) line_ += " -> " + std::to_string(value);
  return *this;
}

TraceLine::~TraceLine() {
  if (line_.empty()) return;
  line_ += '\n';
  std::fwrite(line_.data(), 1, line_.size(), trace_file().file);
}
