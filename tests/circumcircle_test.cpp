#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "circumscribed_circle.h"
#include "support/demo_run.h"
#include "support/png_image.h"

namespace {

struct Triangle {
  int x1, x2, x3, y1, y2, y3;  // in the order the program draws its random numbers
};

// Scripted random numbers for one cycle, in the order of the program's calls.
std::string random_line(const Triangle& t) {
  return "random " + std::to_string(t.x1) + " " + std::to_string(t.x2) + " " +
         std::to_string(t.x3) + " " + std::to_string(t.y1) + " " + std::to_string(t.y2) + " " +
         std::to_string(t.y3) + "\n";
}

TEST(CircumscribedCircle, PassesThroughTheVerticesOrDoesNotExist) {
  struct Case {
    const char* name;
    Point P1, P2, P3;
    bool exists;
    Point C;
    double r;
  };
  const Case cases[] = {
      {"right angle: centre mid-hypotenuse", {0, 0}, {21, 0}, {0, 20}, true, {10.5, 10}, 14.5},
      {"acute", {430, 340}, {350, 300}, {400, 250}, true, {400, 300}, 50},
      {"obtuse, centre outside", {0, 0}, {100, 0}, {50, 10}, true, {50, -120}, 130},
      {"nearly collinear",
       {100, 100},
       {700, 501},
       {299, 233},
       true,
       {23146721.5, -34632599.5},
       41655611.40496635},
      {"collinear", {100, 100}, {200, 200}, {300, 300}, false, {}, 0},
      {"two coinciding", {100, 100}, {100, 100}, {300, 200}, false, {}, 0},
      {"all coinciding", {5, 7}, {5, 7}, {5, 7}, false, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto circle = CircumscribedCircle(c.P1, c.P2, c.P3);
    ASSERT_EQ(circle.has_value(), c.exists);
    if (!circle) continue;
    EXPECT_DOUBLE_EQ(circle->C.x, c.C.x);
    EXPECT_DOUBLE_EQ(circle->C.y, c.C.y);
    EXPECT_DOUBLE_EQ(circle->r, c.r);
    for (Point P : {c.P2, c.P3})
      EXPECT_NEAR(std::hypot(P.x - circle->C.x, P.y - circle->C.y), circle->r, 1e-6 * c.r);
  }
}

// Each cycle of one run, with the key that ends it: the whole trace of the
// cycle, so the order of the random numbers and of the drawing is checked too.
TEST(CircumcircleProgram, DrawsOneTriangleAndItsCirclePerKeyUntilEsc) {
  struct Cycle {
    const char* name;
    Triangle t;
    std::vector<std::string> circle;  // the light green circle and its text, if any
    int key;
  };
  const Cycle cycles[] = {
      {"centre 10.5 drawn at 10",
       {0, 21, 0, 0, 0, 20},
       {"SetColor #90EE90", "Circle 10 10 14", "OutTextXY 10 10 \"RAZA=14.50000\""},
       'a'},
      {"centre 11.5 drawn at 12",
       {0, 23, 0, 0, 0, 20},
       {"SetColor #90EE90", "Circle 12 10 15", "OutTextXY 10 10 \"RAZA=15.23975\""},
       '7'},
      {"small radius keeps five decimals",
       {0, 3, 0, 0, 0, 4},
       {"SetColor #90EE90", "Circle 2 2 2", "OutTextXY 10 10 \"RAZA=2.50000\""},
       13},
      {"known circle",
       {430, 350, 400, 340, 300, 250},
       {"SetColor #90EE90", "Circle 400 300 50", "OutTextXY 10 10 \"RAZA=50.00000\""},
       ' '},
      {"collinear: no circle", {100, 200, 300, 100, 200, 300}, {}, 'Z'},
      {"coinciding vertices: no circle", {100, 100, 300, 100, 100, 200}, {}, 27},
  };
  std::string script;
  for (const Cycle& c : cycles) script += random_line(c.t);
  for (const Cycle& c : cycles) script += "key " + std::to_string(c.key) + "\n";

  const DemoRun run = run_demo("circumcircle", script);
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  ASSERT_FALSE(run.trace.empty());
  EXPECT_EQ(run.trace.front(), "InitGraph 3 6 \"CERCUL CIRCUMSCRIS TRIUNGHIULUI\"");
  EXPECT_EQ(run.trace.back(), "CloseGraph");
  EXPECT_EQ(run.calls("ClearDevice").size(), std::size(cycles));

  int at = 1;
  for (const Cycle& c : cycles) {
    SCOPED_TRACE(c.name);
    const Triangle& t = c.t;
    const std::string x1 = std::to_string(t.x1), x2 = std::to_string(t.x2),
                      x3 = std::to_string(t.x3), y1 = std::to_string(t.y1),
                      y2 = std::to_string(t.y2), y3 = std::to_string(t.y3);
    std::vector<std::string> expected = {
        "ClearDevice",
        "Randomize",
        "GetMaxX -> 799",
        "Random 799 -> " + x1,
        "GetMaxX -> 799",
        "Random 799 -> " + x2,
        "GetMaxX -> 799",
        "Random 799 -> " + x3,
        "GetMaxY -> 599",
        "Random 599 -> " + y1,
        "GetMaxY -> 599",
        "Random 599 -> " + y2,
        "GetMaxY -> 599",
        "Random 599 -> " + y3,
        "SetColor #FF8080",
        "Circle " + x1 + " " + y1 + " 2",
        "Circle " + x2 + " " + y2 + " 2",
        "Circle " + x3 + " " + y3 + " 2",
        "SetColor #ADD8E6",
        "Line " + x1 + " " + y1 + " " + x2 + " " + y2,
        "Line " + x2 + " " + y2 + " " + x3 + " " + y3,
        "Line " + x3 + " " + y3 + " " + x1 + " " + y1,
    };
    expected.insert(expected.end(), c.circle.begin(), c.circle.end());
    expected.push_back("ReadKey -> " + std::to_string(c.key));

    ASSERT_LE(at + expected.size(), run.trace.size());
    const std::vector<std::string> cycle(run.trace.begin() + at,
                                         run.trace.begin() + at + expected.size());
    EXPECT_EQ(cycle, expected);
    at += expected.size();
  }
  EXPECT_EQ(at + 1, static_cast<int>(run.trace.size()));
}

// A triangle flat to within a pixel has a circle of radius about 4e7; the arc
// that is seen must still run through the three vertices.
TEST(CircumcircleProgram, DrawsTheVisibleArcOfAHugeCircle) {
  const Triangle t{100, 700, 299, 100, 501, 233};
  const DemoRun run = run_demo("circumcircle", random_line(t) + "key 27\nsnap flat.png\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_TRUE(run.has("Circle 23146722 -34632600 41655611"));
  EXPECT_TRUE(run.has("OutTextXY 10 10 \"RAZA=41655611.40497\""));

  const PngImage image = load_png(run.file("flat.png"));
  ASSERT_EQ(image.width, 800);
  auto green_near = [&](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (image.at(x + dx, y + dy) == LightGreen) return true;
    return false;
  };
  EXPECT_TRUE(green_near(t.x1, t.y1));
  EXPECT_TRUE(green_near(t.x2, t.y2));
  EXPECT_TRUE(green_near(t.x3, t.y3));
  // The arc goes on past the vertices to the edges of the window.
  int green_columns = 0;
  for (int x = 0; x < image.width; ++x) {
    bool green = false;
    for (int y = 0; y < image.height; ++y) green = green || image.at(x, y) == LightGreen;
    green_columns += green;
  }
  EXPECT_GT(green_columns, 790);
}

}  // namespace
