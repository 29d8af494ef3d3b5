// The frame operations: rounding to pixels, numbers as text, directions and
// the three rules by which the mouse moves control points.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "demo_frame.h"

namespace {

constexpr double pi = std::numbers::pi;

TEST(ToPixel, RoundsHalvesToEvenAndHoldsTheRange) {
  struct Case {
    double value;
    std::int32_t pixel;
  } cases[] = {
      {399.5, 400},
      {400.5, 400},
      {-0.5, 0},
      {-1.5, -2},
      {299.5, 300},
      {0.49999, 0},
      {-0.50001, -1},
      {12345.25, 12345},
      {1e9 + 0.5, 1000000000},
      {3e9, 2147483647},
      {-3e9, -2147483647 - 1},
      {NAN, -2147483647 - 1},
      {INFINITY, 2147483647},
  };
  for (const Case& c : cases) EXPECT_EQ(to_pixel(c.value), c.pixel) << c.value;
}

TEST(ValueText, FormatsLikeStr) {
  struct Case {
    double value;
    int width, decimals;
    const char* text;
  } cases[] = {
      {2.5, 3, 3, "2.500"},      {-1.25, 3, 3, "-1.250"},  {14358.03, 3, 3, "14358.030"},
      {6.375, 4, 2, "6.38"},     {12.5, 4, 2, "12.50"},    {1.5, 6, 2, "  1.50"},
      {-0.0, 3, 3, "0.000"},     {-0.0001, 3, 3, "0.000"}, {-0.0004, 6, 3, " 0.000"},
      {-0.0006, 3, 3, "-0.001"}, {2.5, 5, 5, "2.50000"},   {-0.0, 7, 2, "   0.00"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(value_text("", c.value, c.width, c.decimals), c.text) << c.value;
  EXPECT_EQ(value_text("|A X B| = ", 14358.03, 3, 3), "|A X B| = 14358.030");
  EXPECT_EQ(value_text("", 90, 3, 3, " grade"), "90.000 grade");
  EXPECT_EQ(value_text(std::string(300, 'x'), 1, 1, 1).size(), 255u);
}

TEST(Str, IntegersArePaddedNeverCut) {
  EXPECT_EQ(Str(std::int64_t{7}, 4), "   7");
  EXPECT_EQ(Str(std::int64_t{12345}, 4), "12345");
  EXPECT_EQ(Str(std::int64_t{-3}, 3), " -3");
  EXPECT_EQ(Str(std::int64_t{42}), "42");
}

TEST(DirectionAngle, CoversEveryQuadrantAndTheAxes) {
  struct Case {
    double dx, dy, angle;
  } cases[] = {
      {0, 5, pi / 2},   {0, -5, 3 * pi / 2}, {0, 0, 3 * pi / 2},
      {1, 0, 0},        {-1, 0, pi},         {-1, -1, 5 * pi / 4},
      {1, -1, -pi / 4}, {1, 1, pi / 4},      {-1, 1, 3 * pi / 4},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(DirectionAngle(c.dx, c.dy), c.angle) << c.dx << "," << c.dy;
}

// A sequence of frames of pick_nearest_on_press over two or three points.
struct PickFrame {
  std::int32_t x, y, buttons;
  std::int32_t selected;  // expected after the frame
  bool moved;             // the selected point is at the pointer after the frame
};

void run_picks(std::vector<Point> points, const std::vector<PickFrame>& frames) {
  std::int32_t previous = 0, selected = 0;
  for (size_t f = 0; f < frames.size(); ++f) {
    const PickFrame& frame = frames[f];
    std::vector<Point> before = points;
    pick_nearest_on_press(points.data(), static_cast<int>(points.size()),
                          {frame.x, frame.y, frame.buttons}, previous, selected);
    EXPECT_EQ(selected, frame.selected) << "frame " << f;
    EXPECT_EQ(previous, frame.buttons) << "frame " << f;
    for (size_t i = 0; i < points.size(); ++i) {
      bool at_pointer = points[i].x == frame.x && points[i].y == frame.y;
      bool should_move = frame.moved && static_cast<std::int32_t>(i) == frame.selected;
      if (should_move)
        EXPECT_TRUE(at_pointer) << "frame " << f << " point " << i;
      else
        EXPECT_TRUE(points[i].x == before[i].x && points[i].y == before[i].y)
            << "frame " << f << " point " << i;
    }
  }
}

TEST(PickNearestOnPress, FollowsRisesFallsAndModifiers) {
  const std::vector<Point> points{{100, 100}, {200, 100}, {300, 300}};
  // Halfway between P0 and P1 picks P0; the point follows the left button.
  run_picks(points, {{150, 100, 1, 0, true}, {160, 120, 1, 0, true}, {170, 130, 0, 0, false}});
  // Far from all points still picks the nearest one and drags it.
  run_picks(points, {{700, 500, 1, 2, true}});
  // Right button picks without moving; adding the left button (2 to 3) picks
  // again without moving; releasing the right one (3 to 1) is a fall: nothing
  // is picked and the point picked at 3 follows the pointer.
  run_picks(points, {{195, 100, 2, 1, false}, {295, 290, 3, 2, false}, {10, 10, 1, 2, true}});
  // Shift with the left button (9) picks but moves nothing; so does Ctrl (17).
  run_picks(points, {{210, 100, 9, 1, false}, {0, 0, 0, 1, false}, {290, 300, 17, 2, false}});
  // Without a rise nothing is picked: a press that started elsewhere keeps its point.
  run_picks(points, {{100, 100, 1, 0, true}, {300, 300, 1, 0, true}});
}

TEST(GrabWithinRadius, NeedsTheLeftButtonHeldAndACloseTip) {
  struct Frame {
    std::int32_t x, y, buttons;
    std::int32_t grabbed;  // expected after both tips
  };
  // Tip 1 at (499.5, 299.5), tip 2 at (399.5, 399.5).
  auto run = [](const std::vector<Frame>& frames, Point& u, Point& v,
                Point origin = {399.5, 299.5}) {
    std::int32_t held = 0, grabbed = 0;
    for (size_t f = 0; f < frames.size(); ++f) {
      MouseState m{frames[f].x, frames[f].y, frames[f].buttons};
      grab_within_radius(u, origin, 1, m, held, grabbed);
      grab_within_radius(v, origin, 2, m, held, grabbed);
      end_grab_frame(m, held, grabbed);
      EXPECT_EQ(grabbed, m.buttons == 1 ? frames[f].grabbed : 0) << "frame " << f;
    }
  };
  {
    // The first frame of a press only arms the grab; the second one takes it.
    Point u{100, 0}, v{0, 100};
    run({{499, 300, 1, 0}, {499, 300, 1, 1}, {600, 100, 1, 1}}, u, v);
    EXPECT_DOUBLE_EQ(u.x, 600 - 399.5);
    EXPECT_DOUBLE_EQ(u.y, 100 - 299.5);
  }
  {
    // Exactly 10 pixels away (squared distance 100) is not near; 9.9 is.
    Point u{100, 0}, v{0, 100};
    run({{510, 300, 1, 0}, {510, 300, 1, 0}}, u, v, {400, 300});
    EXPECT_DOUBLE_EQ(u.x, 100);
    Point u2{100.1, 0};
    run({{510, 300, 1, 0}, {510, 300, 1, 1}}, u2, v, {400, 300});
    EXPECT_DOUBLE_EQ(u2.x, 110);
  }
  {
    // Held while passing over the other tip, a tip stays grabbed.
    Point u{100, 0}, v{0, 100};
    run({{400, 400, 1, 0}, {400, 400, 1, 2}, {500, 300, 1, 2}, {450, 350, 1, 2}}, u, v);
    EXPECT_DOUBLE_EQ(u.x, 100);
    EXPECT_DOUBLE_EQ(v.x, 450 - 399.5);
  }
  {
    // With both tips near, tip 1 wins.
    Point u{100, 0}, v{103, 4};
    run({{500, 300, 1, 0}, {500, 301, 1, 1}}, u, v);
    EXPECT_DOUBLE_EQ(v.x, 103);
  }
}

TEST(ButtonSelectsPoint, OnlyExactValuesMove) {
  Point b{0, 0}, d{0, 0};
  const ButtonBinding table[] = {{1, &b}, {2, &d}};
  struct Case {
    std::int32_t buttons;
    bool moves_b, moves_d;
  } cases[] = {{1, true, false},  {2, false, true},   {3, false, false}, {4, false, false},
               {9, false, false}, {17, false, false}, {0, false, false}, {18, false, false}};
  for (const Case& c : cases) {
    b = d = {0, 0};
    button_selects_point(table, {10, 20, c.buttons});
    EXPECT_EQ(b.x == 10 && b.y == 20, c.moves_b) << c.buttons;
    EXPECT_EQ(d.x == 10 && d.y == 20, c.moves_d) << c.buttons;
  }
}

}  // namespace
