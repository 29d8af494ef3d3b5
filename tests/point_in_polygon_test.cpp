// point_in_polygon driven headless with scripted random numbers: which test
// points get the second, light red circle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/demo_run.h"

namespace {

struct Spot {
  int x, y;
};

std::string random_line(const std::vector<Spot>& corners, const std::vector<Spot>& points) {
  std::string line = "random";
  for (const auto* list : {&corners, &points})
    for (const Spot& s : *list) line += " " + std::to_string(s.x) + " " + std::to_string(s.y);
  return line + "\n";
}

// For each test point of the first cycle in order, whether it was marked.
std::vector<bool> marks(const DemoRun& run) {
  std::vector<bool> marked;
  bool in_points = false;
  for (const std::string& line : run.trace) {
    if (line == "SetColor #A8A8A8") in_points = true;
    if (line.rfind("ReadKey", 0) == 0) break;
    if (!in_points || line.rfind("Circle ", 0) != 0) continue;
    if (line.ends_with(" 2")) marked.push_back(false);
    if (line.ends_with(" 4")) marked.back() = true;
  }
  return marked;
}

TEST(PointInPolygon, MarksThePointsInsideByTheHalfOpenRule) {
  struct Case {
    const char* name;
    std::vector<Spot> corners;
    std::vector<Spot> points;
    std::vector<bool> marked;
  };
  const Case cases[] = {
      {"rectangle: inside, sides, corners, outside",
       {{100, 100}, {300, 100}, {300, 200}, {100, 200}},
       {{200, 150},
        {100, 150},
        {200, 100},
        {300, 150},
        {200, 200},
        {100, 100},
        {300, 100},
        {300, 200},
        {100, 200},
        {50, 150},
        {350, 150},
        {200, 50},
        {200, 250}},
       {true, true, true, false, false, true, false, false, false, false, false, false, false}},
      {"self-crossing quadrilateral: both lobes, not between them",
       {{100, 100}, {300, 300}, {300, 100}, {100, 300}},
       {{120, 200}, {280, 200}, {200, 150}, {200, 250}, {200, 120}},
       {true, true, false, false, false}},
      {"four collinear vertices",
       {{100, 100}, {200, 200}, {300, 300}, {400, 400}},
       {{150, 200}, {200, 200}, {250, 250}, {150, 150}, {350, 300}},
       {false, false, false, false, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DemoRun run = run_demo("point_in_polygon", random_line(c.corners, c.points) + "key 27\n");
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    const std::vector<bool> marked = marks(run);
    ASSERT_EQ(marked.size(), 1000u);
    EXPECT_EQ(std::vector<bool>(marked.begin(), marked.begin() + c.marked.size()), c.marked);
  }
}

TEST(PointInPolygon, EachCycleDrawsAFreshQuadrilateralUntilEsc) {
  const DemoRun run = run_demo("point_in_polygon",
                               "random 100 100 300 100 300 200 100 200\nkey 97\nkey 32\nkey 27\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.trace.front(), "InitGraph 3 6 \"INTERIORUL POLIGONULUI\"");
  EXPECT_EQ(run.calls("Randomize").size(), 3u);
  EXPECT_EQ(run.calls("ReadKey"),
            (std::vector<std::string>{"ReadKey -> 97", "ReadKey -> 32", "ReadKey -> 27"}));
  EXPECT_EQ(run.trace.back(), "CloseGraph");

  // The opening of a cycle: seed, clear, white vertices x before y, light red
  // edges closing the figure.
  const std::vector<std::string> opening{
      "Randomize",         "ClearDevice",    "SetColor #FFFFFF",  "GetMaxX -> 799",
      "Random 799 -> 100", "GetMaxY -> 599", "Random 599 -> 100", "Circle 100 100 2",
  };
  ASSERT_GE(run.trace.size(), 1 + opening.size());
  EXPECT_EQ(std::vector<std::string>(run.trace.begin() + 1, run.trace.begin() + 1 + opening.size()),
            opening);
  const int red = run.find("SetColor #FF8080");
  ASSERT_GE(red, 0);
  EXPECT_EQ(std::vector<std::string>(run.trace.begin() + red + 1, run.trace.begin() + red + 5),
            (std::vector<std::string>{"Line 100 100 300 100", "Line 300 100 300 200",
                                      "Line 300 200 100 200", "Line 100 200 100 100"}));
  // Four vertices and a thousand test points in each of the three cycles.
  int small = 0;
  for (const std::string& circle : run.calls("Circle")) small += circle.ends_with(" 2");
  EXPECT_EQ(small, 3 * (4 + 1000));
}

}  // namespace
