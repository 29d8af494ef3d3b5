// Degenerate positions driven end to end through the headless driver: the
// program keeps running, draws the rest of its picture, and hands the drawing
// core only numbers, none of them at the ends of the 32-bit range where a
// NaN or an overflow would have been held.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "segment_trace_pieces.h"
#include "support/demo_run.h"

namespace {

bool IsDrawingCall(const std::string& name) {
  return name == "Line" || name == "MoveTo" || name == "LineTo" || name == "Circle" ||
         name == "OutTextXY" || name == "FillPoly";
}

// Every drawing call of the run: whole numbers inside the 32-bit range,
// radii not negative, a FillPoly count that matches its points, texts
// without nan or inf.
void ExpectOnlyNumbersDrawn(const DemoRun& run) {
  EXPECT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  ASSERT_FALSE(run.trace.empty());
  EXPECT_EQ(run.trace.back(), "CloseGraph");
  for (const std::string& line : run.trace) {
    std::istringstream in(line);
    std::string name;
    in >> name;
    if (!IsDrawingCall(name)) continue;
    std::vector<std::int64_t> args;
    for (std::string word; in >> word && word.front() != '"';) {
      std::size_t used = 0;
      ASSERT_NO_THROW(args.push_back(std::stoll(word, &used))) << line;
      ASSERT_EQ(used, word.size()) << line;
    }
    for (std::int64_t v : args) {
      EXPECT_GT(v, std::numeric_limits<std::int32_t>::min()) << line;
      EXPECT_LT(v, std::numeric_limits<std::int32_t>::max()) << line;
    }
    if (name == "Circle") {
      EXPECT_GE(args.at(2), 0) << line;
    }
    if (name == "FillPoly") {
      EXPECT_GE(args.at(0), 1) << line;
      EXPECT_EQ(static_cast<std::int64_t>(args.size()), 1 + 2 * args.at(0)) << line;
    }
    if (name == "OutTextXY") {
      const std::string text = line.substr(line.find('"'));
      EXPECT_EQ(text.find("nan"), std::string::npos) << line;
      EXPECT_EQ(text.find("inf"), std::string::npos) << line;
    }
  }
}

std::string Frame(int x, int y, int buttons) {
  return "mouse " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(buttons) +
         "\nwait 1\n";
}

// polygon_overlap input: a left click per vertex, then a right click.
std::string Click(int x, int y) {
  return "mouse " + std::to_string(x) + " " + std::to_string(y) + " 1\nmouse " + std::to_string(x) +
         " " + std::to_string(y) + " 0\nwait 1\n";
}
std::string Polygon(const std::vector<std::pair<int, int>>& vertices) {
  std::string script;
  for (const auto& [x, y] : vertices) script += Click(x, y);
  const auto& [x, y] = vertices.back();
  return script + "mouse " + std::to_string(x) + " " + std::to_string(y) + " 2\n";
}

// Two hundred vertices zigzagging across the window, each edge crossing many
// of the other zigzag's; the 200th click ends the input.
std::string Zigzag(bool across) {
  std::string script;
  for (int k = 0; k < 200; ++k)
    script +=
        across ? Click(100 + 3 * k, k % 2 ? 550 : 50) : Click(k % 2 ? 750 : 50, 20 + 14 * k / 5);
  return script;
}

const std::vector<std::pair<int, int>> Square{{100, 100}, {300, 100}, {300, 300}, {100, 300}};

TEST(DegeneratePositions, EachProgramKeepsDrawingAndDrawsOnlyNumbers) {
  const std::string key = "key 32\n";
  const struct Case {
    const char* name;
    const char* program;
    std::string script;
    std::vector<std::string> last_frame;  // calls the last picture must hold
  } cases[] = {
      // B and D dragged until the lines are as near parallel as whole pixels
      // allow: |den| = 1/4 and the crossing 2.5e8 pixels away, still drawn.
      {"segment_crossing: nearly parallel ends",
       "segment_crossing",
       Frame(790, 599, 1) + Frame(9, 30, 2) + key,
       {"Line 100 300 790 599", "Line 400 200 9 30", R"(OutTextXY 105 294 "A")",
        R"(OutTextXY 404 194 "C")", "Circle 247890190 107598969 8"}},
      {"segment_distance: both segments points, apart",
       "segment_distance",
       Frame(100, 100, 3) + Frame(100, 100, 4) + Frame(600, 500, 1) + Frame(600, 500, 2) + key,
       {"Line 100 100 100 100", "Line 600 500 600 500", "Circle 100 100 10", "Circle 600 500 10"}},
      {"segment_distance: all four ends on one pixel",
       "segment_distance",
       Frame(400, 300, 3) + Frame(400, 300, 4) + Frame(400, 300, 1) + Frame(400, 300, 2) + key,
       {"SetColor #90EE90", "SetColor #ADD8E6", "Circle 400 300 10"}},
      {"segment_distance: collinear and overlapping",
       "segment_distance",
       Frame(100, 100, 3) + Frame(300, 100, 4) + Frame(200, 100, 1) + Frame(400, 100, 2) + key,
       {"SetColor #90EE90", "Circle 200 100 10", "SetColor #ADD8E6"}},
      {"segment_distance: parallel, apart",
       "segment_distance",
       Frame(100, 100, 3) + Frame(300, 100, 4) + Frame(400, 200, 1) + Frame(600, 200, 2) + key,
       {"Circle 300 100 10", "Circle 400 200 10"}},
      {"polygon_overlap: identical polygons",
       "polygon_overlap",
       Polygon(Square) + key + Polygon(Square) + key + key,
       {"SetColor #FF8080", "SetColor #ADD8E6", "SetFillStyle 1 #90EE90"}},
      {"polygon_overlap: touching at one corner",
       "polygon_overlap",
       Polygon(Square) + key + Polygon({{300, 300}, {500, 300}, {500, 500}, {300, 500}}) + key,
       {"Line 100 100 300 100", "Line 300 300 500 300"}},
      {"polygon_overlap: a self-crossing bow tie over a square",
       "polygon_overlap",
       Polygon({{50, 50}, {350, 350}, {350, 50}, {50, 350}}) + key + Polygon(Square) + key + key,
       {"Line 50 50 350 350", "Line 100 100 300 100", "SetFillStyle 1 #90EE90"}},
      {"polygon_overlap: every vertex on one pixel",
       "polygon_overlap",
       Polygon({{200, 200}, {200, 200}, {200, 200}, {200, 200}}) + key + Polygon(Square) + key +
           key,
       {"Line 200 200 200 200", "Line 100 100 300 100"}},
      {"polygon_overlap: two zigzags of 200 vertices",
       "polygon_overlap",
       Zigzag(true) + key + Zigzag(false) + key + key,
       {"Line 100 50 103 550", "Line 50 20 750 22", "SetFillStyle 1 #90EE90"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DemoRun run = run_demo(c.program, c.script);
    ExpectOnlyNumbersDrawn(run);
    const TracePiece last = PiecesBetweenClears(run).back();
    for (const std::string& call : c.last_frame)
      EXPECT_NE(std::find(last.begin(), last.end(), call), last.end()) << "missing: " << call;
  }
}

// The drag programs with the pointer on a coarse lattice and random buttons:
// control points land on each other and on one line again and again.
TEST(DegeneratePositions, LatticeDragsDrawOnlyNumbers) {
  for (const char* program :
       {"cross_product", "vector_angle", "segment_crossing", "segment_distance"}) {
    SCOPED_TRACE(program);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> column(0, 16), row(0, 12), buttons(0, 6);
    std::string script;
    for (int frame = 0; frame < 1500; ++frame) {
      const int b = buttons(rng);
      script += Frame(50 * column(rng), 50 * row(rng), b > 4 ? 1 : b);
    }
    ExpectOnlyNumbersDrawn(run_demo(program, script + "key 32\n"));
  }
}

// The random programs fed random numbers from a coarse lattice: vertices
// coincide and fall on one line again and again. When the scripted numbers
// run out the generator goes on.
TEST(DegeneratePositions, LatticeRandomNumbersDrawOnlyNumbers) {
  for (const char* program :
       {"circumcircle", "intersections", "point_in_polygon", "perpendicular"}) {
    SCOPED_TRACE(program);
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> step(0, 5);
    std::string script = "random";
    for (int k = 0; k < 3000; ++k) script += " " + std::to_string(100 * step(rng));
    script += "\n";
    for (int cycle = 0; cycle < 200; ++cycle) script += "key 32\n";
    ExpectOnlyNumbersDrawn(run_demo(program, script + "key 27\n"));
  }
}

}  // namespace
