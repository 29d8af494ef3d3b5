#include "demo_frame.h"

void open_demo_window(std::string_view title) {
  std::int16_t driver = D8bit;
  std::int16_t mode = m800x600;
  InitGraph(driver, mode, title);
}

void flip_pages(std::int16_t& page) {
  SetActivePage(page);
  page = static_cast<std::int16_t>(1 - page);
  SetVisualPage(page);
  ClearDevice();
}

MouseState sample_mouse() {
  MouseState mouse;
  mouse.x = static_cast<std::uint16_t>(GetMouseX());
  mouse.y = static_cast<std::uint16_t>(GetMouseY());
  mouse.buttons = static_cast<std::uint16_t>(GetMouseButtons());
  return mouse;
}
