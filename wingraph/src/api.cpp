// The graphics calls the demos make: each one traced, then carried out on the
// device.
#include <algorithm>
#include <vector>

#include "device.h"
#include "raster.h"
#include "trace.h"
#include "wingraph.h"

namespace {

void poll_input() {
  Device& d = device();
  if (!d.driver) return;
  bool drawn = d.visible_drawn;
  d.visible_drawn = false;
  d.driver->poll(d.input, d.visible_page(), drawn);
}

bool valid_page(std::int16_t page) { return page >= 0 && page < Device::PageCount; }

}  // namespace

void InitGraph(std::int16_t& driver, std::int16_t& mode, std::string_view title) {
  TraceLine("InitGraph").arg(driver).arg(mode).text(title);
  Device& d = device();
  // A new window has no keys waiting and has seen no mouse yet.
  d.input = Input{};
  open_device(title);
  d.active = d.visual = 0;
  for (Page& page : *d.pages) clear_page(page, Black);
  d.colour = White;
  d.fill_colour = White;
  d.x = d.y = 0;
  d.text = TextStyle{};
  d.visible_drawn = true;
}

void CloseGraph() {
  TraceLine("CloseGraph");
  close_device();
}

std::int16_t GetMaxX() {
  std::int16_t x = Page::Width - 1;
  TraceLine("GetMaxX").result(x);
  return x;
}

std::int16_t GetMaxY() {
  std::int16_t y = Page::Height - 1;
  TraceLine("GetMaxY").result(y);
  return y;
}

void SetActivePage(std::int16_t page) {
  TraceLine("SetActivePage").arg(page);
  if (valid_page(page)) device().active = page;
}

void SetVisualPage(std::int16_t page) {
  TraceLine("SetVisualPage").arg(page);
  Device& d = device();
  if (!valid_page(page)) return;
  d.visual = page;
  d.visible_drawn = false;
  if (d.driver) d.driver->flip(d.visible_page());
}

void ClearDevice() {
  TraceLine("ClearDevice");
  Device& d = device();
  clear_page(d.active_page(), Black);
  d.x = d.y = 0;
  d.drawn();
}

void SetColor(Colour colour) {
  TraceLine("SetColor").colour(colour);
  device().colour = colour & 0xFFFFFFu;
}

void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  TraceLine("Line").arg(x1).arg(y1).arg(x2).arg(y2);
  Device& d = device();
  draw_line(d.active_page(), x1, y1, x2, y2, d.colour);
  d.drawn();
}

void MoveTo(std::int32_t x, std::int32_t y) {
  TraceLine("MoveTo").arg(x).arg(y);
  device().x = x;
  device().y = y;
}

void LineTo(std::int32_t x, std::int32_t y) {
  TraceLine("LineTo").arg(x).arg(y);
  Device& d = device();
  draw_line(d.active_page(), d.x, d.y, x, y, d.colour);
  d.x = x;
  d.y = y;
  d.drawn();
}

void Circle(std::int32_t x, std::int32_t y, std::int32_t radius) {
  TraceLine("Circle").arg(x).arg(y).arg(radius);
  Device& d = device();
  draw_circle(d.active_page(), x, y, radius, d.colour);
  d.drawn();
}

void OutTextXY(std::int32_t x, std::int32_t y, std::string_view text) {
  TraceLine("OutTextXY").arg(x).arg(y).text(text);
  Device& d = device();
  draw_text(d.active_page(), x, y, text, d.text, d.colour);
  if (d.text.horizontal == 0) d.x = x + text_width(d.text, text);
  d.drawn();
}

void SetTextStyle(std::int16_t font, std::int16_t direction, std::int16_t size) {
  TraceLine("SetTextStyle").arg(font).arg(direction).arg(size);
  TextStyle& style = device().text;
  style.font = font;
  style.direction = direction;
  style.size = size;
}

void SetTextJustify(std::int16_t horizontal, std::int16_t vertical) {
  TraceLine("SetTextJustify").arg(horizontal).arg(vertical);
  TextStyle& style = device().text;
  style.horizontal = std::clamp<std::int16_t>(horizontal, 0, 2);
  style.vertical = std::clamp<std::int16_t>(vertical, 0, 2);
}

void SetFillStyle(std::int16_t pattern, Colour colour) {
  TraceLine("SetFillStyle").arg(pattern).colour(colour);
  // Pattern 0 fills with the background; every other pattern fills solid.
  device().fill_colour = pattern == 0 ? Black : (colour & 0xFFFFFFu);
}

void FillPoly(std::int16_t count, const PointType* points) {
  TraceLine trace("FillPoly");
  trace.arg(count);
  for (int i = 0; i < count; ++i) trace.arg(points[i].x).arg(points[i].y);
  if (count < 1) return;
  Device& d = device();
  fill_polygon(d.active_page(), points, count, d.fill_colour);
  for (int i = 0; i < count; ++i) {
    const PointType& a = points[i];
    const PointType& b = points[(i + 1) % count];
    draw_line(d.active_page(), a.x, a.y, b.x, b.y, d.colour);
  }
  d.drawn();
}

bool KeyPressed() {
  poll_input();
  bool waiting = !device().input.keys.empty();
  TraceLine("KeyPressed").result(waiting);
  return waiting;
}

char ReadKey() {
  Device& d = device();
  char key = 0;
  if (d.driver) {
    bool drawn = d.visible_drawn;
    d.visible_drawn = false;
    d.driver->wait_for_key(d.input, d.visible_page(), drawn);
  }
  if (!d.input.keys.empty()) {
    key = d.input.keys.front();
    d.input.keys.pop_front();
  }
  TraceLine("ReadKey").result(static_cast<unsigned char>(key));
  return key;
}

std::int16_t GetMouseX() {
  poll_input();
  std::int16_t x = device().input.mouse.x;
  TraceLine("GetMouseX").result(x);
  return x;
}

std::int16_t GetMouseY() {
  std::int16_t y = device().input.mouse.y;
  TraceLine("GetMouseY").result(y);
  return y;
}

std::int16_t GetMouseButtons() {
  std::int16_t buttons = device().input.mouse.buttons;
  TraceLine("GetMouseButtons").result(buttons);
  return buttons;
}

void Delay(std::uint32_t milliseconds) {
  TraceLine("Delay").arg(milliseconds);
  if (device().driver) device().driver->delay(milliseconds);
}
