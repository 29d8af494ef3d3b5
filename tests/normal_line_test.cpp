#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "normal_line_construction.h"
#include "support/demo_run.h"

namespace {

constexpr double pi = std::numbers::pi;

double dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
double cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }
Point minus(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
double length(Point a) { return std::hypot(a.x, a.y); }
Point middle(Point a, Point b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// A drawn point against one made of drawn points: each rounding moves a
// coordinate by half a pixel at most.
void expect_within_a_pixel(Point drawn, Point expected) {
  EXPECT_NEAR(drawn.x, expected.x, 1);
  EXPECT_NEAR(drawn.y, expected.y, 1);
}

// The construction is the line at distance d with normal n at every angle, the
// multiples of a quarter turn included.
TEST(ConstructNormalLine, IsTheLineAtDistanceDWithNormalN) {
  const Point O{399.5, 299.5};
  const double d = 50;
  for (double deg : {0.0, 30.0, 45.0, 90.0, 135.0, 180.0, 270.0, 333.3, 1000.1}) {
    SCOPED_TRACE(deg);
    const NormalLine n = ConstructNormalLine(O, d, deg * pi / 180);
    const Point OF = minus(n.F, O);
    const Point along = minus(n.ahead, n.behind);
    const Point shaft = minus(n.H, n.G);
    EXPECT_NEAR(length(OF), d, 1e-9);
    EXPECT_NEAR(length(along), 200, 1e-9);
    EXPECT_NEAR(dot(OF, along), 0, 1e-9);
    EXPECT_NEAR(n.ahead.x + n.behind.x, 2 * n.F.x, 1e-9);
    EXPECT_NEAR(n.ahead.y + n.behind.y, 2 * n.F.y, 1e-9);
    EXPECT_NEAR(n.middle.x, (O.x + n.F.x) / 2, 1e-9);
    EXPECT_NEAR(n.middle.y, (O.y + n.F.y) / 2, 1e-9);
    EXPECT_NEAR(length(minus(n.G, n.F)), 50, 1e-9);
    EXPECT_NEAR(cross(minus(n.G, n.F), along), 0, 1e-9);
    EXPECT_NEAR(length(shaft), 60, 1e-9);
    // The arrow points along O-F, away from O.
    EXPECT_NEAR(dot(shaft, OF), 60 * d, 1e-9);
  }
  // The foot point starts to the right of O and turns anticlockwise on the screen.
  EXPECT_NEAR(ConstructNormalLine(O, d, 0).F.x, O.x + d, 1e-12);
  EXPECT_NEAR(ConstructNormalLine(O, d, pi / 2).F.y, O.y - d, 1e-12);
}

// What one frame drew, read back from the trace.
struct Frame {
  Point F, move, ahead, behind, line_O, line_F, d_label, G, H, n_label, O;
  Point barb_start[2], barb_end[2];
  int F_radius = 0, O_radius = 0;
};

std::vector<Frame> frames_of(const DemoRun& run) {
  std::vector<Frame> frames;
  Frame f;
  int circles = 0, line_tos = 0, lines = 0;
  for (const std::string& s : run.trace) {
    const char* c = s.c_str();
    int x, y, x2, y2, r;
    char text[8];
    if (std::sscanf(c, "Circle %d %d %d", &x, &y, &r) == 3) {
      const bool foot = circles++ == 0;
      (foot ? f.F : f.O) = {double(x), double(y)};
      (foot ? f.F_radius : f.O_radius) = r;
    } else if (std::sscanf(c, "MoveTo %d %d", &x, &y) == 2) {
      f.move = {double(x), double(y)};
    } else if (std::sscanf(c, "LineTo %d %d", &x, &y) == 2) {
      (line_tos++ == 0 ? f.ahead : f.behind) = {double(x), double(y)};
    } else if (std::sscanf(c, "Line %d %d %d %d", &x, &y, &x2, &y2) == 4) {
      const Point from{double(x), double(y)}, to{double(x2), double(y2)};
      const int i = lines++;
      if (i == 0) {
        f.line_O = from, f.line_F = to;
      } else if (i == 1) {
        f.G = from, f.H = to;
      } else if (i < 4) {
        f.barb_start[i - 2] = from, f.barb_end[i - 2] = to;
      }
    } else if (std::sscanf(c, "OutTextXY %d %d \"%7[^\"]\"", &x, &y, text) == 3) {
      (std::string(text) == "d" ? f.d_label : f.n_label) = {double(x), double(y)};
    } else if (s.starts_with("KeyPressed")) {
      frames.push_back(f);
      circles = line_tos = lines = 0;
    }
  }
  return frames;
}

// A whole turn of 3600 frames: every picture is the line at distance 50 from
// O, perpendicular to O-F at F, with the arrow n along O-F.
TEST(NormalLineProgram, DrawsTheLineAtDistance50WithItsNormalOverAWholeTurn) {
  const DemoRun run = run_demo("normal_line", "wait 3599\nkey 32\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  ASSERT_GE(run.trace.size(), 3u);
  EXPECT_EQ(run.trace[0], "InitGraph 3 6 \"DREAPTA DEFINITA PRIN DISTANTA SI NORMALA\"");
  EXPECT_EQ(run.trace[1], "SetTextStyle 3 0 2");
  EXPECT_EQ(run.trace[2], "SetTextJustify 1 1");
  EXPECT_EQ(run.trace.back(), "CloseGraph");
  EXPECT_TRUE(run.calls("SetColor").empty());

  const std::vector<Frame> frames = frames_of(run);
  ASSERT_EQ(frames.size(), 3600u);
  const Point O{399.5, 299.5};
  for (std::size_t k = 0; k < frames.size(); ++k) {
    const Frame& f = frames[k];
    SCOPED_TRACE("frame " + std::to_string(k));
    EXPECT_EQ(f.O.x, 400);
    EXPECT_EQ(f.O.y, 300);
    EXPECT_EQ(f.O_radius, 5);
    EXPECT_EQ(f.F_radius, 5);
    EXPECT_NEAR(length(minus(f.F, O)), 50, 1);
    EXPECT_EQ(f.move.x, f.F.x);
    EXPECT_EQ(f.move.y, f.F.y);
    EXPECT_EQ(f.line_O.x, 400);
    EXPECT_EQ(f.line_O.y, 300);
    EXPECT_EQ(f.line_F.x, f.F.x);
    EXPECT_EQ(f.line_F.y, f.F.y);
    expect_within_a_pixel(f.d_label, middle(f.O, f.F));

    // The piece of line: 200 long, centred on F, at distance 50 from O, with
    // its foot from O at F.
    const Point along = minus(f.ahead, f.behind);
    const Point u{along.x / length(along), along.y / length(along)};
    EXPECT_NEAR(length(along), 200, 1.5);
    expect_within_a_pixel(f.F, middle(f.ahead, f.behind));
    EXPECT_NEAR(std::abs(cross(u, minus(O, f.behind))), 50, 1);
    const double s = dot(u, minus(O, f.behind));
    EXPECT_LE(length(minus(f.F, {f.behind.x + s * u.x, f.behind.y + s * u.y})), 1.5);

    // The arrow n: from the middle of the ahead half, 60 long, along O-F
    // away from O, with two 20-pixel strokes at 54 degrees to the shaft.
    expect_within_a_pixel(f.G, middle(f.F, f.ahead));
    EXPECT_EQ(f.n_label.x, f.G.x);
    EXPECT_EQ(f.n_label.y, f.G.y);
    const Point shaft = minus(f.H, f.G);
    EXPECT_NEAR(length(shaft), 60, 1.5);
    EXPECT_GT(dot(shaft, minus(f.F, O)) / (length(shaft) * length(minus(f.F, O))), 0.998);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(f.barb_start[i].x, f.H.x);
      EXPECT_EQ(f.barb_start[i].y, f.H.y);
      const Point stroke = minus(f.barb_end[i], f.H);
      EXPECT_NEAR(length(stroke), 20, 1.5);
      EXPECT_NEAR(std::acos(-dot(stroke, shaft) / (length(stroke) * length(shaft))), 0.3 * pi, 0.1);
    }
  }

  // At 270 degrees the shaft points straight down the window: the strokes end
  // about (16.18, -11.76) and (-16.18, -11.76) from the tip.
  const Frame& down = frames[2700];
  EXPECT_NEAR(down.H.x, down.G.x, 1);
  EXPECT_NEAR(down.H.y - down.G.y, 60, 1);
  EXPECT_NEAR(down.barb_end[0].x - down.H.x, 16.18, 1);
  EXPECT_NEAR(down.barb_end[0].y - down.H.y, -11.76, 1);
  EXPECT_NEAR(down.barb_end[1].x - down.H.x, -16.18, 1);
  EXPECT_NEAR(down.barb_end[1].y - down.H.y, -11.76, 1);
}

}  // namespace
