// Where the 800x600 drawing area lies in a window of any size, and which
// drawing-area pixel each window pixel shows and maps the pointer to.
#include "viewport.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  int output_width, output_height;
  Viewport expected;  // x, y, width, height
};

const Case Cases[] = {
    {800, 600, {0, 0, 800, 600}},        // as opened
    {1600, 1200, {0, 0, 1600, 1200}},    // twice, a HiDPI screen
    {1100, 700, {83, 0, 933, 700}},      // bars left and right
    {1280, 1005, {0, 22, 1280, 960}},    // maximised: bars above and below
    {1920, 1080, {240, 0, 1440, 1080}},  // a projector
    {3840, 2160, {480, 0, 2880, 2160}},  // 4K
    {801, 600, {0, 0, 800, 600}},        // a column too many: no scaling
    {800, 601, {0, 0, 800, 600}},        // a row too many
    {1024, 768, {0, 0, 1024, 768}},      // the same aspect
    {799, 599, {0, 0, 798, 599}},        // smaller: height 599 needs 798.67
    {400, 300, {0, 0, 400, 300}},        // half
    {1, 1, {0, 0, 1, 0}},                // degenerate but no crash
};

// The drawing-area pixel a window pixel shows: its centre mapped back.
AreaPixel shown_at(const Viewport& v, int window_x, int window_y) {
  return to_drawing_area(v, window_x + 0.5, window_y + 0.5);
}

TEST(Viewport, FitsTheAreaWithItsAspectKeptAndCentred) {
  for (const Case& c : Cases) {
    SCOPED_TRACE(std::to_string(c.output_width) + "x" + std::to_string(c.output_height));
    const Viewport v = fit_drawing_area(c.output_width, c.output_height);
    EXPECT_EQ(v.x, c.expected.x);
    EXPECT_EQ(v.y, c.expected.y);
    EXPECT_EQ(v.width, c.expected.width);
    EXPECT_EQ(v.height, c.expected.height);
    // Inside the output, one of the two sides filled, bars equal up to a pixel.
    EXPECT_TRUE(v.width == c.output_width || v.height == c.output_height);
    EXPECT_LE(c.output_width - v.width - 2 * v.x, 1);
    EXPECT_LE(c.output_height - v.height - 2 * v.y, 1);
  }
}

// Walks the window pixels across the viewport along one axis (x when
// across_columns, else y), through the middle of the other: the bar before is
// outside, then 0, 1, ... in steps of at most one up to last, then the bar
// after is outside again.
void expect_walk(const Viewport& v, bool across_columns, int last) {
  const int start = across_columns ? v.x : v.y;
  const int length = across_columns ? v.width : v.height;
  auto at = [&](int i) {
    return across_columns ? shown_at(v, i, v.y + v.height / 2) : shown_at(v, v.x + v.width / 2, i);
  };
  if (start > 0) {
    EXPECT_FALSE(at(start - 1).inside);
  }
  int previous = -1;
  for (int i = start; i < start + length; ++i) {
    AreaPixel p = at(i);
    ASSERT_TRUE(p.inside) << i;
    int got = across_columns ? p.x : p.y;
    ASSERT_TRUE(got == previous || got == previous + 1) << i << " -> " << got;
    previous = got;
  }
  EXPECT_EQ(previous, last);
  EXPECT_FALSE(at(start + length).inside);
}

TEST(Viewport, EveryAreaPixelIsReachedInOrderUpToTheLastColumnAndRow) {
  for (const Case& c : Cases) {
    const Viewport v = fit_drawing_area(c.output_width, c.output_height);
    if (v.width < 800) continue;  // a smaller window cannot show every pixel
    SCOPED_TRACE(std::to_string(c.output_width) + "x" + std::to_string(c.output_height));
    expect_walk(v, true, 799);
    expect_walk(v, false, 599);
  }
}

TEST(Viewport, PointerPositionsMapToTheAreaPixelUnderThem) {
  const Viewport v = fit_drawing_area(1100, 700);  // scale 933/800
  struct Probe {
    double x, y;  // output position
    bool inside;
    int area_x, area_y;
  } probes[] = {
      {83.0, 0.0, true, 0, 0},            // the top left corner of the area
      {82.99, 0.0, false, 0, 0},          // on the bar just left of it
      {1015.99, 699.99, true, 799, 599},  // the bottom right corner
      {1016.0, 300.0, false, 0, 0},       // the bar on the right
      {83.0 + 933.0 / 2, 350.0, true, 400, 300},
      {83.0 + 933.0 / 800 * 228.5, 700.0 / 600 * 428.5, true, 228, 428},
      {500.0, -0.01, false, 0, 0},  // above the window
      {500.0, 700.0, false, 0, 0},  // below the last row
  };
  for (const Probe& p : probes) {
    SCOPED_TRACE(std::to_string(p.x) + ", " + std::to_string(p.y));
    AreaPixel got = to_drawing_area(v, p.x, p.y);
    EXPECT_EQ(got.inside, p.inside);
    if (!p.inside) continue;
    EXPECT_EQ(got.x, p.area_x);
    EXPECT_EQ(got.y, p.area_y);
  }
  // At the size the window opens with, every pixel is itself.
  const Viewport same = fit_drawing_area(800, 600);
  for (int x : {0, 1, 399, 400, 798, 799})
    for (int y : {0, 1, 299, 300, 598, 599}) {
      AreaPixel got = shown_at(same, x, y);
      EXPECT_TRUE(got.inside && got.x == x && got.y == y) << x << ", " << y;
    }
}

}  // namespace
