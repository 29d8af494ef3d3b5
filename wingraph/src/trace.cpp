#include "trace.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "device.h"

namespace {

struct TraceFile {
  std::FILE* file = nullptr;

  TraceFile() {
    const char* path = std::getenv("WINGRAPH_TRACE");
    if (path == nullptr || *path == '\0') return;
    file = std::fopen(path, "w");
    if (file == nullptr) {
      std::fprintf(stderr, "%s: cannot write the trace file %s\n", program_invocation_short_name,
                   path);
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
  if (tracing()) std::fflush(trace_file().file);
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
