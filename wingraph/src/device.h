// The one graphics device a program draws on: its pages, drawing state,
// input queue and driver.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "driver.h"
#include "page.h"
#include "text.h"

struct Device {
  static constexpr int PageCount = 2;

  std::unique_ptr<Driver> driver;
  std::unique_ptr<std::array<Page, PageCount>> pages =
      std::make_unique<std::array<Page, PageCount>>();
  int active = 0;
  int visual = 0;
  Colour colour = White;
  Colour fill_colour = White;
  std::int32_t x = 0;  // current position
  std::int32_t y = 0;
  TextStyle text;
  Input input;
  bool visible_drawn = false;  // the visible page changed since the last poll

  Page& active_page() { return (*pages)[active]; }
  const Page& visible_page() const { return (*pages)[visual]; }
  // Call after drawing on the active page.
  void drawn() { visible_drawn = visible_drawn || active == visual; }
};

Device& device();

// Opens the driver named by WINGRAPH_DRIVER ("window", the default, or
// "headless"); ends the program with a one-line reason when it cannot.
void open_device(std::string_view title);
void close_device();

// Ends the program: one line on stderr, the trace flushed, the given status.
[[noreturn]] void fail(int status, std::string_view message);
