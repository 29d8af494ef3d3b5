#include <gtest/gtest.h>

#include <string>

#include "segment_trace_pieces.h"
#include "support/demo_run.h"
#include "support/png_image.h"
#include "wingraph.h"

namespace {

const std::string StartS1 = "Line 300 450 200 300";
const std::string StartS2 = "Line 500 150 550 350";

TracePiece ClosestPairDrawing(const std::string& S1, const std::string& S2, const std::string& K1,
                              const std::string& K2) {
  return {"SetColor #FFFFFF", S1, S2, "SetColor #90EE90", K1, "SetColor #ADD8E6", K2};
}

TEST(SegmentDistanceProgram, StartPicture) {
  // The first frame is drawn hidden; the snapshot comes once the second
  // frame has shown it.
  const DemoRun run =
      run_demo("segment_distance", "wait 1\nwait 1\nsnap start.png\nwait 1\nkey 32\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  ASSERT_FALSE(run.trace.empty());
  EXPECT_EQ(run.trace.front(), R"(InitGraph 3 6 "CEA MAI MICA DISTANTA DINTRE SEGMENTE")");
  EXPECT_EQ(run.trace.back(), "CloseGraph");
  EXPECT_TRUE(run.calls("ReadKey").empty());
  EXPECT_LT(run.find("GetMaxX -> 799"), run.find("GetMaxY -> 599"));

  const auto pieces = PiecesBetweenClears(run);
  ASSERT_EQ(pieces.size(), 3u);
  for (int frame = 1; frame <= 2; ++frame) {
    // Pages flipped first, then the mouse sampled.
    EXPECT_EQ(pieces[frame].front(), "GetMouseX -> 0");
    EXPECT_EQ(DrawingCalls(pieces[frame]),
              ClosestPairDrawing(StartS1, StartS2, "Circle 300 450 10", "Circle 550 350 10"));
  }

  const PngImage picture = load_png(run.file("start.png"));
  ASSERT_EQ(picture.width, 800);
  EXPECT_EQ(picture.at(250, 375), White);       // on S1
  EXPECT_EQ(picture.at(525, 250), White);       // on S2
  EXPECT_EQ(picture.at(290, 450), LightGreen);  // left edge of the circle at S1.P1
  EXPECT_EQ(picture.at(560, 350), LightBlue);   // right edge of the circle at S2.P2
  EXPECT_EQ(CountPixels(picture, LightMagenta), 0);
}

TEST(SegmentDistanceProgram, CrossingShowsOneLightMagentaCircle) {
  // S2.P1 to (150, 350): S2 now runs through S1.
  const DemoRun run = run_demo("segment_distance",
                               "mouse 150 350 1\nwait 1\nsnap cross.png\n"
                               "wait 1\nkey 27\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  const auto pieces = PiecesBetweenClears(run);
  ASSERT_EQ(pieces.size(), 3u);
  const TracePiece crossing{"SetColor #FFFFFF", StartS1, "Line 150 350 550 350", "SetColor #FF80FF",
                            "Circle 233 350 10"};
  EXPECT_EQ(DrawingCalls(pieces[1]), crossing);
  EXPECT_EQ(DrawingCalls(pieces[2]), crossing);

  const PngImage picture = load_png(run.file("cross.png"));
  ASSERT_EQ(picture.width, 800);
  EXPECT_EQ(picture.at(233, 340), LightMagenta);
  EXPECT_EQ(CountPixels(picture, LightGreen), 0);
  EXPECT_EQ(CountPixels(picture, LightBlue), 0);
}

// Each exact buttons value moves its own end; a modifier or any other value
// moves none.
TEST(SegmentDistanceProgram, ButtonsValueSelectsTheEnd) {
  const struct {
    int buttons;
    std::string S1, S2;
  } cases[] = {
      {0, StartS1, StartS2},
      {MouseLeft, StartS1, "Line 700 100 550 350"},
      {MouseRight, StartS1, "Line 500 150 700 100"},
      {MouseLeft | MouseRight, "Line 700 100 200 300", StartS2},
      {MouseMiddle, "Line 300 450 700 100", StartS2},
      {MouseLeft | MouseShift, StartS1, StartS2},
      {MouseRight | MouseShift, StartS1, StartS2},
      {MouseLeft | MouseRight | MouseCtrl, StartS1, StartS2},
      {MouseMiddle | MouseCtrl, StartS1, StartS2},
      {MouseLeft | MouseMiddle, StartS1, StartS2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("buttons " + std::to_string(c.buttons));
    const DemoRun run =
        run_demo("segment_distance", "mouse 700 100 " + std::to_string(c.buttons) + "\nkey 27\n");
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    const auto pieces = PiecesBetweenClears(run);
    ASSERT_EQ(pieces.size(), 2u);
    const TracePiece drawing = DrawingCalls(pieces[1]);
    ASSERT_GE(drawing.size(), 3u);
    EXPECT_EQ(drawing[1], c.S1);
    EXPECT_EQ(drawing[2], c.S2);
  }
}

// Pressing left, then right as well, then letting go of left: the end of S2
// follows while one button is down, S1.P1 only while both are.
TEST(SegmentDistanceProgram, LeftAndRightTogetherMoveS1P1) {
  const DemoRun run = run_demo("segment_distance",
                               "mouse 700 100 1\nwait 1\nmouse 650 500 3\nwait 1\n"
                               "mouse 600 550 2\nkey 27\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  const auto pieces = PiecesBetweenClears(run);
  ASSERT_EQ(pieces.size(), 4u);
  const std::string lines[][2] = {
      {StartS1, "Line 700 100 550 350"},
      {"Line 650 500 200 300", "Line 700 100 550 350"},
      {"Line 650 500 200 300", "Line 700 100 600 550"},
  };
  for (int frame = 1; frame <= 3; ++frame) {
    SCOPED_TRACE("frame " + std::to_string(frame));
    const TracePiece drawing = DrawingCalls(pieces[frame]);
    ASSERT_GE(drawing.size(), 3u);
    EXPECT_EQ(drawing[1], lines[frame - 1][0]);
    EXPECT_EQ(drawing[2], lines[frame - 1][1]);
  }
}

// Both ends of one segment dragged onto one pixel: that segment is a point
// and the nearest pair is still drawn, frame after frame.
TEST(SegmentDistanceProgram, ZeroLengthSegmentIsAPoint) {
  const struct {
    const char* what;
    const char* script;
    TracePiece drawing;
  } cases[] = {
      {"S2 a point over S1", "mouse 400 300 1\nwait 1\nmouse 400 300 2\nwait 1\nkey 27\n",
       ClosestPairDrawing(StartS1, "Line 400 300 400 300", "Circle 261 392 10",
                          "Circle 400 300 10")},
      {"S1 a point before S2", "mouse 400 100 3\nwait 1\nmouse 400 100 4\nwait 1\nkey 27\n",
       ClosestPairDrawing("Line 400 100 400 100", StartS2, "Circle 400 100 10",
                          "Circle 500 150 10")},
      {"S1 a point past S2", "mouse 600 500 3\nwait 1\nmouse 600 500 4\nwait 1\nkey 27\n",
       ClosestPairDrawing("Line 600 500 600 500", StartS2, "Circle 600 500 10",
                          "Circle 550 350 10")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DemoRun run = run_demo("segment_distance", c.script);
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    const auto pieces = PiecesBetweenClears(run);
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(DrawingCalls(pieces[2]), c.drawing);
    EXPECT_EQ(DrawingCalls(pieces[3]), c.drawing);
  }
}

}  // namespace
