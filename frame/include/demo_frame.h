// What every demonstration shares: the window, the two-page redraw, the mouse
// sample and the three rules by which the mouse moves control points, numbers
// as text, rounding to pixels, two geometric helpers and the segment
// intersection routine.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "wingraph.h"

struct Point {
  double x = 0;
  double y = 0;
};

struct MouseState {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t buttons = 0;
};

// InitGraph with driver 3, mode 6 and the title as caption.
void open_demo_window(std::string_view title);

// Draw into the hidden page, show the other one, clear the one drawn into.
void flip_pages(std::int16_t& page);

// GetMouseX, GetMouseY, GetMouseButtons in this order, each widened from
// 16 bits without sign.
MouseState sample_mouse();

// On a rise of the buttons value the nearest point is selected (lowest index
// on a tie, no radius); while the left button alone is down it follows the
// pointer.
void pick_nearest_on_press(Point* points, int count, const MouseState& mouse,
                           std::int32_t& previous_buttons, std::int32_t& selected);

// One tip of a vector drawn from origin: highlighted while the pointer is
// closer than 10 pixels, grabbed when the left button alone was already down
// in the previous frame, then following the pointer. Call for tip 1, then
// tip 2, then end_grab_frame.
void grab_within_radius(Point& vector, const Point& origin, std::int32_t tip,
                        const MouseState& mouse, std::int32_t held, std::int32_t& grabbed);
// After both tips: held := (buttons = 1); a release drops the grab.
void end_grab_frame(const MouseState& mouse, std::int32_t& held, std::int32_t& grabbed);

// An exact buttons value that moves one point to the pointer.
struct ButtonBinding {
  std::int32_t buttons;
  Point* point;
};
void button_selects_point(std::span<const ButtonBinding> table, const MouseState& mouse);

// A text of at most 255 characters kept in place: the value texts are made
// anew in every frame, and this way they cost no heap allocation.
class ShortText {
 public:
  static constexpr std::size_t Capacity = 255;

  // Appends what still fits.
  ShortText& operator+=(std::string_view more) {
    const std::size_t taken = std::min(more.size(), Capacity - size_);
    more.copy(chars_.data() + size_, taken);
    size_ += taken;
    return *this;
  }
  std::size_t size() const { return size_; }
  operator std::string_view() const { return {chars_.data(), size_}; }
  friend bool operator==(const ShortText& text, std::string_view other) {
    return std::string_view(text) == other;
  }

 private:
  std::array<char, Capacity> chars_;
  std::size_t size_ = 0;
};

// Str(value : width : decimals) between two literals; a value that shows as
// zero never shows a minus sign.
ShortText value_text(std::string_view before, double value, int width, int decimals,
                     std::string_view after = "");

// A real coordinate rounded to the nearest integer, halves to even. Values
// beyond the 32-bit range are held at its ends (NaN goes to the lower end), so
// they lie far outside the window and draw nothing there.
std::int32_t to_pixel(double v);

// Drawing at real points: each coordinate becomes a pixel through to_pixel
// here, after the point itself has been computed as a real.
void move_to(const Point& p);
void line_to(const Point& p);
void line_between(const Point& from, const Point& to);
void circle_around(const Point& centre, std::int32_t radius);
void text_at(const Point& p, std::string_view text);

// Direction of (dx, dy) in radians, window coordinates: in (-pi/2, 3pi/2].
double DirectionAngle(double dx, double dy);

// The two strokes of an arrowhead at tip, at alpha +- 1.3 pi, of the length.
void draw_arrow_barbs(const Point& tip, double alpha, double length);

// Whether the closed segments P1P2 and P3P4 meet (touching counts, parallel
// never does), and where their carrying lines cross ((0, 0) for parallel,
// collinear and zero-length input). Exchanging the segments gives X bit for
// bit equal.
void IntersectSegments(Point P1, Point P2, Point P3, Point P4, Point& X, bool& Crossing);
