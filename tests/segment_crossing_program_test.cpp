#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "segment_trace_pieces.h"
#include "support/demo_run.h"
#include "support/png_image.h"
#include "wingraph.h"

namespace {

const std::string StartAB = "Line 100 300 200 400";
const std::string StartCD = "Line 400 200 250 400";

// One frame's drawing with the given segment lines, labels and circle (none
// when empty).
TracePiece FrameDrawing(const std::string& AB, const std::string& CD,
                        const std::vector<std::string>& labels, const std::string& circle) {
  TracePiece calls{"SetColor #FFFFFF", AB, CD, "SetTextStyle 3 0 2", "SetTextJustify 1 1"};
  calls.insert(calls.end(), labels.begin(), labels.end());
  calls.push_back("SetColor #FF0000");
  if (!circle.empty()) calls.push_back(circle);
  return calls;
}

const std::vector<std::string> StartLabels{R"(OutTextXY 105 294 "A")", R"(OutTextXY 205 394 "B")",
                                           R"(OutTextXY 404 194 "C")", R"(OutTextXY 254 394 "D")"};

TEST(SegmentCrossingProgram, StartPicture) {
  // The first frame is drawn hidden; the snapshot comes once the second
  // frame has shown it.
  const DemoRun run =
      run_demo("segment_crossing", "wait 1\nwait 1\nsnap start.png\nwait 1\nkey 97\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  ASSERT_FALSE(run.trace.empty());
  EXPECT_EQ(run.trace.front(), R"(InitGraph 3 6 "INTERSECTII DE SEGMENTE")");
  EXPECT_EQ(run.trace.back(), "CloseGraph");
  EXPECT_TRUE(run.calls("ReadKey").empty());
  EXPECT_LT(run.find("GetMaxY -> 599"), run.find("GetMaxX -> 799"));

  const auto pieces = PiecesBetweenClears(run);
  ASSERT_EQ(pieces.size(), 3u);
  for (int frame = 1; frame <= 2; ++frame) {
    // Pages flipped first, then the mouse sampled.
    EXPECT_EQ(pieces[frame].front(), "GetMouseX -> 0");
    EXPECT_EQ(DrawingCalls(pieces[frame]),
              FrameDrawing(StartAB, StartCD, StartLabels, "Circle 228 428 8"));
  }

  const PngImage picture = load_png(run.file("start.png"));
  ASSERT_EQ(picture.width, 800);
  EXPECT_EQ(picture.at(150, 350), White);  // on AB
  EXPECT_EQ(picture.at(325, 300), White);  // on CD
  EXPECT_EQ(picture.at(236, 428), Red);    // the circle's right edge
  EXPECT_EQ(picture.at(228, 428), Black);  // its empty centre
  // Each letter stands centred on its x, its bottom edge on its y.
  for (const auto& [x, y] : {std::pair{105, 294}, {205, 394}, {404, 194}, {254, 394}}) {
    int lit = 0;
    for (int py = y - 16; py <= y; ++py)
      for (int px = x - 8; px <= x + 8; ++px) lit += picture.at(px, py) != Black;
    EXPECT_GT(lit, 25) << "label at " << x << ", " << y;
  }
}

TEST(SegmentCrossingProgram, ParallelLinesLoseTheCircleUntilDLeavesTheLine) {
  const DemoRun run =
      run_demo("segment_crossing", "mouse 500 300 2\nwait 1\nmouse 501 300 2\nkey 27\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  const auto pieces = PiecesBetweenClears(run);
  ASSERT_EQ(pieces.size(), 3u);
  auto labels = [](const char* D) {
    return std::vector<std::string>{StartLabels[0], StartLabels[1], StartLabels[2], D};
  };
  EXPECT_EQ(DrawingCalls(pieces[1]),
            FrameDrawing(StartAB, "Line 400 200 500 300", labels(R"(OutTextXY 505 295 "D")"), ""));
  // Nearly parallel now: the crossing lies far outside the window.
  EXPECT_EQ(DrawingCalls(pieces[2]),
            FrameDrawing(StartAB, "Line 400 200 501 300", labels(R"(OutTextXY 506 295 "D")"),
                         "Circle -40150 -39950 8"));
}

// Only the left button alone moves B and only the right button alone moves
// D; the end jumps to the pointer wherever it is.
TEST(SegmentCrossingProgram, ButtonsValueSelectsTheEnd) {
  const struct {
    int buttons;
    std::string AB, CD;
  } cases[] = {
      {0, StartAB, StartCD},
      {MouseLeft, "Line 100 300 600 100", StartCD},
      {MouseRight, StartAB, "Line 400 200 600 100"},
      {MouseLeft | MouseRight, StartAB, StartCD},
      {MouseMiddle, StartAB, StartCD},
      {MouseLeft | MouseShift, StartAB, StartCD},
      {MouseRight | MouseShift, StartAB, StartCD},
      {MouseLeft | MouseCtrl, StartAB, StartCD},
      {MouseRight | MouseCtrl, StartAB, StartCD},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("buttons " + std::to_string(c.buttons));
    const DemoRun run =
        run_demo("segment_crossing", "mouse 600 100 " + std::to_string(c.buttons) + "\nkey 27\n");
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    const auto pieces = PiecesBetweenClears(run);
    ASSERT_EQ(pieces.size(), 2u);
    const TracePiece drawing = DrawingCalls(pieces[1]);
    ASSERT_GE(drawing.size(), 3u);
    EXPECT_EQ(drawing[1], c.AB);
    EXPECT_EQ(drawing[2], c.CD);
  }
}

TEST(SegmentCrossingProgram, DraggedEndStaysWhereReleased) {
  const DemoRun run = run_demo("segment_crossing",
                               "mouse 600 100 1\nwait 1\nmouse 650 120 1\nwait 1\nmouse 700 150 0\n"
                               "key 27\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  const auto pieces = PiecesBetweenClears(run);
  ASSERT_EQ(pieces.size(), 4u);
  EXPECT_EQ(DrawingCalls(pieces[1])[1], "Line 100 300 600 100");
  EXPECT_EQ(DrawingCalls(pieces[2])[1], "Line 100 300 650 120");
  EXPECT_EQ(DrawingCalls(pieces[3])[1], "Line 100 300 650 120");
}

}  // namespace
