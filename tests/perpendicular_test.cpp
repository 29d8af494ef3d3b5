#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "perpendicular_geometry.h"
#include "support/demo_run.h"
#include "support/png_image.h"

namespace {

const Point A{100, 100};
const Point B{300, 200};
const Point M{200, 150};

TEST(PerpendicularGeometry, MinAndMaxGiveTheSmallerAndTheLarger) {
  EXPECT_EQ(Min(3, 5), 3);
  EXPECT_EQ(Min(5, 3), 3);
  EXPECT_EQ(Min(-2, -2), -2);
  EXPECT_EQ(Max(3, 5), 5);
  EXPECT_EQ(Max(5, 3), 5);
  EXPECT_EQ(Max(-2, -2), -2);
}

TEST(PerpendicularGeometry, FootDistanceAngleAndDecisionForPointsAroundAB) {
  struct Case {
    const char* what;
    Point P;
    Point F;
    double dist;
    double v;
    bool shown;
  };
  const Case cases[] = {
      {"near the line, on B's side of M", {260, 150}, {248, 174}, 26.8328, 26.5651, true},
      {"near the line, on A's side of M", {140, 150}, {152, 126}, 26.8328, 153.4349, true},
      {"foot on the segment, angle far from the line",
       {200, 50},
       {160, 130},
       89.4427,
       116.5651,
       false},
      {"at M: no direction from M", {200, 150}, {200, 150}, 0, 90, false},
      {"on the line beyond M, b = a + c exactly", {0, 50}, {0, 50}, 0, 180, false},
      {"on the line beyond M, s - b rounded below 0", {92, 96}, {92, 96}, 0, 180, false},
      {"on the line beyond B, s - a rounded below 0", {324, 212}, {324, 212}, 0, 0, false},
      {"close to the line, foot beyond B", {330, 205}, {326, 213}, 8.9443, 3.6330, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Point F = PerpendicularFoot(A, B, c.P);
    EXPECT_NEAR(F.x, c.F.x, 1e-9);
    EXPECT_NEAR(F.y, c.F.y, 1e-9);
    const double dist = Distance(F, c.P);
    EXPECT_NEAR(dist, c.dist, 1e-4);
    const double v = AngleAtMidpoint(c.P, M, B);
    EXPECT_NEAR(v, c.v, 1e-4);
    EXPECT_EQ(PerpendicularShown(A, B, F, dist, v), c.shown);
  }
}

TEST(PerpendicularGeometry, ExactlyOnTheLineBeyondMTheAngleIsTheLimit) {
  // Points of the line y = 100 + (x - 100) / 2 left of M, whatever way the
  // half-angle quotient rounds there.
  for (int x = 0; x < 200; x += 2) {
    const double v = AngleAtMidpoint({double(x), 100 + (x - 100) / 2.0}, M, B);
    EXPECT_NEAR(v, 180, 1e-4) << "x = " << x;
  }
  // And right of M, on either side of B.
  for (int x = 202; x <= 798; x += 2) {
    const double v = AngleAtMidpoint({double(x), 100 + (x - 100) / 2.0}, M, B);
    EXPECT_NEAR(v, 0, 1e-4) << "x = " << x;
  }
}

TEST(PerpendicularGeometry, EveryBoundOfTheFourTestsIncludesEquality) {
  const Point inside{200, 150};
  struct Case {
    const char* what;
    Point F;
    double dist;
    double v;
    bool shown;
  };
  const Case cases[] = {
      {"foot at A", A, 10, 10, true},
      {"foot at B", B, 10, 10, true},
      {"foot left of A", {99.999, 150}, 10, 10, false},
      {"foot right of B", {300.001, 150}, 10, 10, false},
      {"foot above A", {200, 99.999}, 10, 10, false},
      {"foot below B", {200, 200.001}, 10, 10, false},
      {"distance 150", inside, 150, 10, true},
      {"distance beyond 150", inside, 150.001, 10, false},
      {"angle 30", inside, 10, 30, true},
      {"angle beyond 30", inside, 10, 30.001, false},
      {"angle 150", inside, 10, 150, true},
      {"angle below 150", inside, 10, 149.999, false},
      {"angle 180", inside, 10, 180, true},
      {"angle 0", inside, 10, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(PerpendicularShown(A, B, c.F, c.dist, c.v), c.shown);
  }
}

TEST(PerpendicularGeometry, APointFarFromTheLineFailsOnDistanceAlone) {
  // A long segment, so that a point 161 pixels away still sees M at 28 degrees.
  const Point A2{100, 100};
  const Point B2{700, 400};
  const Point P{600, 530};
  const Point F = PerpendicularFoot(A2, B2, P);
  const double dist = Distance(F, P);
  const double v = AngleAtMidpoint(P, {400, 250}, B2);
  EXPECT_GT(dist, 150);
  EXPECT_LT(v, 30);
  EXPECT_FALSE(PerpendicularShown(A2, B2, F, dist, v));
  EXPECT_TRUE(PerpendicularShown(A2, B2, F, 150, v));
}

struct Probe {
  Point P;
  std::string value;                       // the end of its line in the column
  std::vector<std::string> perpendicular;  // the foot's circle and the line, when drawn
};

// A = (100, 100), B = (300, 200), M = (200, 150).
const Probe probes[] = {
    {{260, 150}, "26.57", {"Circle 248 174 2", "Line 260 150 248 174"}},
    {{140, 150}, "153.43", {"Circle 152 126 2", "Line 140 150 152 126"}},
    {{200, 50}, "116.57", {}},
    {{200, 150}, "90.00", {}},                                             // at M
    {{140, 120}, "180.00", {"Circle 140 120 2", "Line 140 120 140 120"}},  // b = a + c exactly
    {{150, 125}, "180.00", {"Circle 150 125 2", "Line 150 125 150 125"}},  // s - b rounds below 0
    {{0, 50}, "180.00", {}},    // on the line, foot beyond A
    {{324, 212}, "0.00", {}},   // on the line, foot beyond B
    {{330, 205}, "3.63", {}},   // near the line, foot beyond B
    {{200, 400}, "63.43", {}},  // foot at B, 224 pixels away
};
constexpr int kPoints = 50;

std::string Int(double v) { return std::to_string(static_cast<int>(v)); }

// The random line: the segment draws, then the probes, the last one repeated
// up to fifty points.
std::string RandomLine(const std::string& segments) {
  std::string line = "random " + segments;
  for (int i = 0; i < kPoints; ++i) {
    const Point& P = probes[std::min<size_t>(i, std::size(probes) - 1)].P;
    line += " " + Int(P.x) + " " + Int(P.y);
  }
  return line + "\n";
}

struct Block {
  std::vector<std::string> circles;
  std::vector<std::string> lines;
  std::vector<std::string> texts;
  std::string column;  // its line of the column
  std::string column_colour;
};

// What was drawn for each point: the calls after the label B up to and
// including the point's line in the column.
std::vector<Block> Blocks(const DemoRun& run, const std::string& label_B) {
  std::vector<Block> blocks;
  int at = run.find(label_B);
  if (at < 0) return blocks;
  std::string colour;
  Block block;
  for (size_t i = at + 1; i < run.trace.size(); ++i) {
    const std::string& line = run.trace[i];
    if (line.starts_with("SetColor ")) colour = line;
    if (line.starts_with("Circle ")) block.circles.push_back(line);
    if (line.starts_with("Line ")) block.lines.push_back(line);
    if (line.starts_with("OutTextXY ")) {
      if (line.find("<<<----") == std::string::npos) {
        block.texts.push_back(colour + " " + line);
      } else {
        block.column = line;
        block.column_colour = colour;
        blocks.push_back(block);
        block = {};
      }
    }
  }
  return blocks;
}

// Digits, a point and two decimals: no sign, no blanks, nothing like nan or inf.
bool TwoDecimals(const std::string& value) {
  const size_t point = value.find('.');
  if (point == std::string::npos || point == 0 || value.size() != point + 3) return false;
  for (size_t i = 0; i < value.size(); ++i)
    if (i != point && (value[i] < '0' || value[i] > '9')) return false;
  return true;
}

void ExpectColumn(const std::vector<Block>& blocks) {
  ASSERT_EQ(blocks.size(), size_t{kPoints});
  for (int i = 1; i <= kPoints; ++i) {
    const Block& block = blocks[i - 1];
    const std::string head =
        "OutTextXY 0 " + std::to_string(10 * i) + " \"" + std::to_string(i) + " <<<---- ";
    ASSERT_TRUE(block.column.starts_with(head)) << block.column;
    const std::string value =
        block.column.substr(head.size(), block.column.size() - head.size() - 1);
    EXPECT_TRUE(TwoDecimals(value)) << block.column;
    EXPECT_GE(value.size(), 4u);
    EXPECT_EQ(block.column_colour, "SetColor #A8A8A8");
  }
}

TEST(PerpendicularProgram, PointsOfAKnownSegment) {
  const DemoRun run = run_demo("perpendicular", RandomLine("100 100 300 200") + "key 27\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  const std::vector<std::string> opening = {
      "InitGraph 3 6 \"PERPENDICULARITATE\"",
      "Randomize",
      "SetColor #A8A8A8",
      "GetMaxX -> 799",
      "Random 799 -> 100",
  };
  ASSERT_GE(run.trace.size(), opening.size());
  EXPECT_EQ(std::vector(run.trace.begin(), run.trace.begin() + opening.size()), opening);
  EXPECT_TRUE(run.calls("SetTextStyle").empty());
  EXPECT_TRUE(run.calls("SetTextJustify").empty());
  ASSERT_FALSE(run.calls("Line").empty());
  EXPECT_EQ(run.calls("Line").front(), "Line 100 100 300 200");
  const int label_A = run.find("OutTextXY 100 100 \"A\"");
  ASSERT_GT(label_A, 0);
  EXPECT_EQ(run.trace[label_A - 1], "SetColor #FF8080");
  EXPECT_EQ(run.trace[label_A + 1], "OutTextXY 300 200 \"B\"");

  const std::vector<Block> blocks = Blocks(run, "OutTextXY 300 200 \"B\"");
  ExpectColumn(blocks);
  for (int i = 1; i <= kPoints; ++i) {
    const Probe& probe = probes[std::min<size_t>(i - 1, std::size(probes) - 1)];
    SCOPED_TRACE("point " + std::to_string(i));
    const Block& block = blocks[i - 1];
    const std::string at = Int(probe.P.x) + " " + Int(probe.P.y);
    EXPECT_EQ(block.texts, std::vector<std::string>{"SetColor #FF8080 OutTextXY " + at + " \"" +
                                                    std::to_string(i) + "\""});
    EXPECT_TRUE(block.column.ends_with(" <<<---- " + probe.value + "\"")) << block.column;
    std::vector<std::string> circles = {"Circle " + at + " 2", "Circle 200 150 2"};
    std::vector<std::string> lines;
    if (!probe.perpendicular.empty()) {
      circles.push_back(probe.perpendicular[0]);
      lines.push_back(probe.perpendicular[1]);
    }
    EXPECT_EQ(block.circles, circles);
    EXPECT_EQ(block.lines, lines);
  }
  EXPECT_EQ(run.trace[run.trace.size() - 2], "ReadKey -> 27");
  EXPECT_EQ(run.trace.back(), "CloseGraph");
}

TEST(PerpendicularProgram, AVerticalOrHorizontalSegmentIsDrawnAnew) {
  const DemoRun run =
      run_demo("perpendicular",
               RandomLine("100 100 100 200  100 100 300 100  100 100 300 200") + "key 13\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  const int first_line = run.find("Line 100 100 300 200");
  ASSERT_GT(first_line, 0);
  std::vector<std::string> randoms;
  for (int i = 0; i < first_line; ++i)
    if (run.trace[i].starts_with("Random ")) randoms.push_back(run.trace[i]);
  const std::vector<std::string> expected = {
      "Random 799 -> 100", "Random 599 -> 100", "Random 799 -> 100", "Random 599 -> 200",
      "Random 799 -> 100", "Random 599 -> 100", "Random 799 -> 300", "Random 599 -> 100",
      "Random 799 -> 100", "Random 599 -> 100", "Random 799 -> 300", "Random 599 -> 200",
  };
  EXPECT_EQ(randoms, expected);
  EXPECT_EQ(run.calls("Line").front(), "Line 100 100 300 200");
  ExpectColumn(Blocks(run, "OutTextXY 300 200 \"B\""));
}

TEST(PerpendicularProgram, AnyKeyEndsEveryRandomPicture) {
  int seed = 0;
  for (int key : {27, 97, 13, 32, 48}) {
    ++seed;
    SCOPED_TRACE("key " + std::to_string(key) + ", seed " + std::to_string(seed));
    const DemoRun run = run_demo("perpendicular", "key " + std::to_string(key) + "\n",
                                 {{"WINGRAPH_SEED", std::to_string(seed)}});
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    EXPECT_EQ(run.error_text, "");
    EXPECT_EQ(run.calls("Random").size(), 4u + 2 * kPoints);
    const std::string first = run.calls("Line").at(0);
    int ax = 0, ay = 0, bx = 0, by = 0;
    ASSERT_EQ(std::sscanf(first.c_str(), "Line %d %d %d %d", &ax, &ay, &bx, &by), 4) << first;
    EXPECT_NE(ax, bx);
    EXPECT_NE(ay, by);
    const int label_B =
        run.find("OutTextXY " + std::to_string(bx) + " " + std::to_string(by) + " \"B\"");
    ASSERT_GT(label_B, 0);
    ExpectColumn(Blocks(run, run.trace[label_B]));
    EXPECT_EQ(run.calls("ReadKey"), std::vector<std::string>{"ReadKey -> " + std::to_string(key)});
    EXPECT_EQ(run.trace.back(), "CloseGraph");
  }
}

TEST(PerpendicularProgram, PictureOnScreen) {
  const DemoRun run =
      run_demo("perpendicular", RandomLine("100 100 300 200") + "snap shown.png\nkey 32\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  const PngImage image = load_png(run.file("shown.png"));
  ASSERT_EQ(image.width, 800);
  ASSERT_EQ(image.height, 600);
  EXPECT_EQ(image.at(250, 175), LightGray);  // on AB
  EXPECT_EQ(image.at(254, 162), LightGray);  // on the perpendicular from point 1
  EXPECT_EQ(image.at(180, 90), Black);       // no perpendicular from point 3
  EXPECT_EQ(image.at(700, 550), Black);
}

}  // namespace
