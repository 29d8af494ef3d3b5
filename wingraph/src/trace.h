// The call trace: one line per graphics call, written to the file named by
// WINGRAPH_TRACE when it is set and not empty.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TraceLine {
 public:
  explicit TraceLine(std::string_view call);
  TraceLine& arg(std::int64_t value);
  TraceLine& text(std::string_view value);
  TraceLine& colour(std::uint32_t rgb);
  TraceLine& result(std::int64_t value);
  ~TraceLine();  // writes the line

 private:
  std::string line_;
};

bool tracing();
// Writes out what is buffered; when the file cannot take it the run ends
// with a message.
void flush_trace();
