#include "device.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "headless_driver.h"
#include "trace.h"
#include "window_driver.h"

Device& device() {
  static Device the_device;
  return the_device;
}

void fail(int status, std::string_view message) {
  flush_trace();
  std::fprintf(stderr, "%s: %.*s\n", program_invocation_short_name,
               static_cast<int>(message.size()), message.data());
  std::fflush(stderr);
  std::_Exit(status);
}

void open_device(std::string_view title) {
  Device& d = device();
  if (d.driver) close_device();

  const char* chosen = std::getenv("WINGRAPH_DRIVER");
  std::string name = chosen != nullptr ? chosen : "";
  if (name.empty() || name == "window") {
    d.driver = make_window_driver();
  } else if (name == "headless") {
    d.driver = make_headless_driver();
  } else {
    fail(2, "WINGRAPH_DRIVER must be 'window' or 'headless', not '" + name + "'");
  }
  std::string why = d.driver->open(title);
  if (!why.empty()) {
    d.driver.reset();
    fail(1, "cannot open the window: " + why +
                "; to run without a display use the headless driver (WINGRAPH_DRIVER=headless, "
                "see README.md)");
  }
}

void close_device() {
  Device& d = device();
  if (!d.driver) return;
  d.driver->finish(d.visible_page());
  d.driver->close();
  d.driver.reset();
  flush_trace();
}
