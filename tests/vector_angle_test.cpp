#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "angle_from_cosine.h"
#include "support/demo_run.h"
#include "support/png_image.h"

namespace {

constexpr double pi = std::numbers::pi;

TEST(AngleFromCosine, GivesTheAngleFromZeroToPi) {
  struct Case {
    double c;
    double angle;
  };
  const Case cases[] = {
      {1, 0},
      {0.5, pi / 3},
      {0, pi / 2},
      {-0.0, pi / 2},
      {-0.5, 2 * pi / 3},
      {-1, pi},
      {std::sqrt(0.5), pi / 4},
      {-std::sqrt(0.5), 3 * pi / 4},
      // Quotients of parallel vectors rounded a step past the ends.
      {std::nextafter(1.0, 2.0), 0},
      {1 + 1e-12, 0},
      {std::nextafter(-1.0, -2.0), pi},
      {-1 - 1e-12, pi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.c);
    EXPECT_NEAR(AngleFromCosine(c.c), c.angle, 1e-12);
  }
}

TEST(AngleFromCosine, AgreesWithTheArcCosineAcrossTheRange) {
  for (int i = -1000; i <= 1000; ++i) {
    const double c = i / 1000.0;
    EXPECT_NEAR(AngleFromCosine(c), std::acos(c), 1e-7) << "c = " << c;
  }
}

struct Mouse {
  int x;
  int y;
  int buttons;
};

// One frame per mouse line: sample_mouse takes the mouse line and KeyPressed
// the wait; the key then ends the run after one more frame with the last
// sample, which draws the arrows where the frames before left them.
std::string Script(const std::vector<Mouse>& frames, int key = 97) {
  std::string script;
  for (const Mouse& m : frames)
    script += "mouse " + std::to_string(m.x) + " " + std::to_string(m.y) + " " +
              std::to_string(m.buttons) + "\nwait 1\n";
  return script + "key " + std::to_string(key) + "\n";
}

struct At {
  int x;
  int y;
};

// Press on a tip, hold it a frame so that it is caught, move, release.
std::vector<Mouse> Drag(At from, At to) {
  return {{from.x, from.y, 1}, {from.x, from.y, 1}, {to.x, to.y, 1}, {to.x, to.y, 0}};
}

std::vector<Mouse> operator+(std::vector<Mouse> a, const std::vector<Mouse>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// What one frame drew.
struct Frame {
  std::vector<std::string> lines;  // the shaft and barbs of U, then of V
  std::vector<std::string> circles;
  std::string text;         // the OutTextXY line
  std::string text_colour;  // the SetColor line in force for the text
};

std::vector<Frame> Frames(const DemoRun& run) {
  std::vector<Frame> frames;
  std::string colour;
  for (const std::string& line : run.trace) {
    if (line.starts_with("GetMouseX")) frames.emplace_back();
    if (frames.empty()) continue;
    Frame& frame = frames.back();
    if (line.starts_with("SetColor ")) colour = line;
    if (line.starts_with("Line ")) frame.lines.push_back(line);
    if (line.starts_with("Circle ")) frame.circles.push_back(line);
    if (line.starts_with("OutTextXY ")) {
      frame.text = line;
      frame.text_colour = colour;
    }
  }
  return frames;
}

// The tips as the arrows of a frame show them: the shafts' ends.
std::string Tip1(const Frame& frame) { return frame.lines.at(0); }
std::string Tip2(const Frame& frame) { return frame.lines.at(3); }
std::string Shaft(int x, int y) {
  return "Line 400 300 " + std::to_string(x) + " " + std::to_string(y);
}

TEST(VectorAngleProgram, StartPictureShowsBothArrowsAndNinetyDegrees) {
  const DemoRun run = run_demo("vector_angle", Script({{0, 0, 0}}));
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  ASSERT_GE(run.trace.size(), 3u);
  EXPECT_EQ(run.trace[0], "InitGraph 3 6 \"UNGHIUL DINTRE 2 VECTORI\"");
  EXPECT_EQ(run.trace[1], "GetMaxX -> 799");
  EXPECT_EQ(run.trace[2], "GetMaxY -> 599");
  EXPECT_TRUE(run.calls("SetTextStyle").empty());
  EXPECT_TRUE(run.calls("SetTextJustify").empty());

  const std::vector<Frame> frames = Frames(run);
  ASSERT_EQ(frames.size(), 2u);
  const Frame& first = frames[0];
  const std::vector<std::string> arrows = {
      "Line 400 300 500 300", "Line 500 300 495 293", "Line 500 300 495 306",
      "Line 400 300 400 400", "Line 400 400 406 395", "Line 400 400 393 395",
  };
  EXPECT_EQ(first.lines, arrows);
  EXPECT_TRUE(first.circles.empty());
  EXPECT_EQ(first.text, "OutTextXY 0 15 \"90.000 grade\"");
  EXPECT_EQ(first.text_colour, "SetColor #FFFFFF");
}

TEST(VectorAngleProgram, AngleFollowsTheDraggedTips) {
  struct Case {
    const char* what;
    At tip1;
    At tip2;
    const char* text;
  };
  // Tip 1 is first caught at (500, 300), which makes U = (100.5, 0.5).
  const Case cases[] = {
      {"tip 2 along U", {500, 300}, {701, 301}, "0.000 grade"},
      {"tip 2 opposite U", {500, 300}, {299, 299}, "180.000 grade"},
      {"tip 2 on the diagonal", {500, 300}, {500, 400}, "44.715 grade"},
      // Parallel vectors whose quotient dot / norms rounds past 1 and past -1.
      {"along each other, quotient above 1", {267, 259}, {2, 178}, "0.000 grade"},
      {"opposite each other, quotient below -1", {0, 0}, {799, 599}, "180.000 grade"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DemoRun run =
        run_demo("vector_angle", Script(Drag({500, 300}, c.tip1) + Drag({400, 400}, c.tip2)));
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    const std::vector<Frame> frames = Frames(run);
    const Frame& last = frames.back();
    EXPECT_EQ(Tip1(last), Shaft(c.tip1.x, c.tip1.y));
    EXPECT_EQ(Tip2(last), Shaft(c.tip2.x, c.tip2.y));
    EXPECT_EQ(last.text, "OutTextXY " + std::to_string(c.tip2.x) + " " +
                             std::to_string(c.tip2.y + 15) + " \"" + c.text + "\"");
  }
}

TEST(VectorAngleProgram, TipsAreHighlightedAndGrabbedByTheRules) {
  // First tip 1 is put on the whole pixel (500, 300), so that distances to
  // the pointer can be exactly 10.
  const std::vector<Mouse> settle = Drag({500, 300}, {500, 300});
  struct Case {
    const char* what;
    std::vector<Mouse> probe;  // the first of these frames is checked for circles
    std::vector<std::string> circles;
    std::string tip1;
    std::string tip2;
  };
  const Case cases[] = {
      {"exactly 10 pixels away",
       {{510, 300, 1}, {510, 300, 1}, {600, 200, 1}},
       {},
       Shaft(500, 300),
       Shaft(400, 400)},
      {"exactly 10 pixels away on a slant",
       {{506, 308, 1}, {506, 308, 1}, {600, 200, 1}},
       {},
       Shaft(500, 300),
       Shaft(400, 400)},
      {"9.9 pixels away",
       {{507, 307, 1}, {507, 307, 1}, {600, 200, 1}},
       {"Circle 500 300 10"},
       Shaft(600, 200),
       Shaft(400, 400)},
      {"highlighted without a button",
       {{507, 307, 0}, {600, 200, 0}},
       {"Circle 500 300 10"},
       Shaft(500, 300),
       Shaft(400, 400)},
      {"left pressed on the tip for one frame, then moved",
       {{500, 300, 1}, {600, 200, 1}},
       {"Circle 500 300 10"},
       Shaft(500, 300),
       Shaft(400, 400)},
      {"left held away from the tips, then moved onto one",
       {{550, 250, 1}, {503, 303, 1}, {600, 200, 1}},
       {},
       Shaft(600, 200),
       Shaft(400, 400)},
      {"right button",
       {{500, 300, 2}, {500, 300, 2}, {600, 200, 2}},
       {"Circle 500 300 10"},
       Shaft(500, 300),
       Shaft(400, 400)},
      {"left with Shift",
       {{500, 300, 9}, {500, 300, 9}, {600, 200, 9}},
       {"Circle 500 300 10"},
       Shaft(500, 300),
       Shaft(400, 400)},
      {"left and right, then left alone",
       {{500, 300, 3}, {500, 300, 1}, {600, 200, 1}},
       {"Circle 500 300 10"},
       Shaft(500, 300),
       Shaft(400, 400)},
      {"releasing drops the tip",
       {{500, 300, 1}, {500, 300, 1}, {550, 250, 1}, {550, 250, 0}, {600, 200, 0}},
       {"Circle 500 300 10"},
       Shaft(550, 250),
       Shaft(400, 400)},
      {"a held tip passes over the other tip",
       {{500, 300, 1}, {500, 300, 1}, {450, 350, 1}, {400, 400, 1}, {350, 450, 1}, {350, 450, 0}},
       {"Circle 500 300 10"},
       Shaft(350, 450),
       Shaft(400, 400)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DemoRun run = run_demo("vector_angle", Script(settle + c.probe));
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    const std::vector<Frame> frames = Frames(run);
    ASSERT_EQ(frames.size(), settle.size() + c.probe.size() + 1);
    const Frame& probe = frames[settle.size()];
    EXPECT_EQ(probe.circles, c.circles);
    EXPECT_EQ(probe.text_colour, c.circles.empty() ? "SetColor #FFFFFF" : "SetColor #FF0000");
    EXPECT_EQ(Tip1(frames.back()), c.tip1);
    EXPECT_EQ(Tip2(frames.back()), c.tip2);
  }
}

TEST(VectorAngleProgram, TipOneWinsWhenBothAreNear) {
  // Tip 2 is brought next to tip 1, then the press catches both.
  const std::vector<Mouse> frames = Drag({400, 400}, {495, 300}) + Drag({497, 300}, {600, 200});
  const DemoRun run = run_demo("vector_angle", Script(frames));
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  const std::vector<Frame> drawn = Frames(run);
  const std::vector<std::string> both = {"Circle 500 300 10", "Circle 495 300 10"};
  EXPECT_EQ(drawn[4].circles, both);
  EXPECT_EQ(Tip1(drawn.back()), Shaft(600, 200));
  EXPECT_EQ(Tip2(drawn.back()), Shaft(495, 300));
}

TEST(VectorAngleProgram, AnyKeyEndsIt) {
  for (int key : {27, 97, 13, 32, 48}) {
    SCOPED_TRACE(key);
    const DemoRun run = run_demo("vector_angle", Script({{0, 0, 0}}, key));
    EXPECT_EQ(run.exit_status, 0) << run.error_text;
    EXPECT_EQ(run.error_text, "");
    ASSERT_GE(run.trace.size(), 2u);
    EXPECT_EQ(run.trace[run.trace.size() - 2], "KeyPressed -> 1");
    EXPECT_EQ(run.trace.back(), "CloseGraph");
    EXPECT_TRUE(run.calls("ReadKey").empty());
  }
}

TEST(VectorAngleProgram, HighlightedPictureOnScreen) {
  // The second frame shows the first one's picture: the snap is taken at its
  // KeyPressed.
  const DemoRun run = run_demo(
      "vector_angle", "mouse 500 300 0\nwait 1\nmouse 500 300 0\nsnap shown.png\nkey 97\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  const PngImage image = load_png(run.file("shown.png"));
  ASSERT_EQ(image.width, 800);
  ASSERT_EQ(image.height, 600);
  EXPECT_EQ(image.at(450, 300), 0xFFFFFFu);  // the shaft of U
  EXPECT_EQ(image.at(400, 350), 0xFFFFFFu);  // the shaft of V
  EXPECT_EQ(image.at(510, 300), 0xFF0000u);  // the circle around tip 1
  EXPECT_EQ(image.at(700, 500), 0x000000u);
  // The text below the pointer is red too: its letters, smoothed onto black,
  // have no green or blue at all.
  int red_text = 0;
  int other = 0;
  for (int y = 315; y < 331; ++y) {
    for (int x = 500; x < 620; ++x) {
      const std::uint32_t pixel = image.at(x, y);
      if (pixel == 0) continue;
      (pixel & 0x00FFFFu) == 0 ? ++red_text : ++other;
    }
  }
  EXPECT_GT(red_text, 100);
  EXPECT_EQ(other, 0);
}

}  // namespace
