#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "nearer_intersection.h"
#include "support/demo_run.h"
#include "support/png_image.h"

namespace {

TEST(NearerIntersection, IsTheNearerRootAheadOfAOrTheWholeSegment) {
  struct Case {
    const char* name;
    Point A, B, M;
    double R;
    double t;
  };
  const Case cases[] = {
      {"crossing: the nearer of two roots", {0, 0}, {10, 0}, {5, 0}, 3, 0.2},
      {"A inside: the root behind A", {0, 0}, {10, 0}, {1, 0}, 3, 1},
      {"tangent: the point of contact", {0, 0}, {10, 0}, {5, 3}, 3, 0.5},
      {"line misses the circle", {0, 0}, {10, 0}, {5, 4}, 3, 1},
      {"circle behind A", {0, 0}, {-10, 0}, {5, 0}, 3, 1},
      {"crossing beyond B", {0, 0}, {1, 0}, {5, 0}, 3, 2},
      {"the demo's first meeting",
       {309.5, 209.5},
       {509.5, 409.5},
       {399.5, 299.5},
       70,
       (90 * std::sqrt(2.0) - 70) / (200 * std::sqrt(2.0))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(NearerIntersection(c.A, c.B, c.M, c.R), c.t, 1e-12);
  }
}

// The fixed circle, the mark and the segment of one frame, read back from the
// trace.
struct DrawnCircle {
  int x = 0, y = 0, r = 0;
};
struct Pixel {
  int x = 0, y = 0;
};
struct Frame {
  DrawnCircle circle, mark;
  Pixel A, P;
};

// Frame k (from 1) is drawn at the angle 0.01 * k. Seen from A, M lies at 45
// degrees, 90 * sqrt(2) away, so the line meets the circle from frame 21 to
// frame 136 of the first turn.
TEST(LineCircleProgram, StopsTheSegmentAtTheCircleOnlyWhereItMeetsIt) {
  const DemoRun run = run_demo("line_circle", "wait 628\nkey 32\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  ASSERT_FALSE(run.trace.empty());
  EXPECT_EQ(run.trace.front(), "InitGraph 3 6 \"INTERSECTIE INTRE DREAPTA SI CERC\"");
  EXPECT_EQ(run.trace.back(), "CloseGraph");
  EXPECT_TRUE(run.calls("SetColor").empty());

  std::vector<Frame> frames;
  Frame current;
  bool fixed_circle_seen = false;
  for (const std::string& s : run.trace) {
    int x, y, x2, y2;
    if (std::sscanf(s.c_str(), "Circle %d %d %d", &x, &y, &x2) == 3) {
      (fixed_circle_seen ? current.mark : current.circle) = {x, y, x2};
      fixed_circle_seen = true;
    } else if (std::sscanf(s.c_str(), "Line %d %d %d %d", &x, &y, &x2, &y2) == 4) {
      current.A = {x, y};
      current.P = {x2, y2};
    } else if (s == "Delay 5") {
      frames.push_back(current);
      fixed_circle_seen = false;
    }
  }
  ASSERT_EQ(frames.size(), 629u);

  const double Ax = 309.5, Ay = 209.5, Mx = 399.5, My = 299.5, R = 70;
  const double AM = 90 * std::sqrt(2.0);
  double angle = 0;
  for (std::size_t k = 1; k <= frames.size(); ++k) {
    const Frame& f = frames[k - 1];
    angle += 0.01;
    SCOPED_TRACE("frame " + std::to_string(k));
    EXPECT_EQ(f.circle.x, 400);
    EXPECT_EQ(f.circle.y, 300);
    EXPECT_EQ(f.circle.r, 70);
    EXPECT_EQ(f.mark.r, 3);
    EXPECT_EQ(f.A.x, 310);
    EXPECT_EQ(f.A.y, 210);
    EXPECT_EQ(f.P.x, f.mark.x);
    EXPECT_EQ(f.P.y, f.mark.y);
    if (k >= 21 && k <= 136) {
      // On the circle, on the side facing A: the nearer of the two crossings.
      const double off = angle - std::numbers::pi / 4;
      const double nearer = AM * std::cos(off) - std::sqrt(R * R - std::pow(AM * std::sin(off), 2));
      EXPECT_NEAR(std::hypot(f.P.x - Mx, f.P.y - My), R, 1);
      EXPECT_NEAR(std::hypot(f.P.x - Ax, f.P.y - Ay), nearer, 1);
    } else {
      // The whole segment: the line misses the circle or meets it behind A.
      EXPECT_NEAR(f.P.x, Ax + 200 * std::cos(angle), 0.5);
      EXPECT_NEAR(f.P.y, Ay + 200 * std::sin(angle), 0.5);
    }
  }
}

TEST(LineCircleProgram, RunsAHundredThousandFramesAndEndsOnAKey) {
  // No trace: it would hold a million lines. The snapshot is taken on closing.
  const DemoRun run =
      run_demo("line_circle", "wait 100000\nkey 32\nsnap end.png\n", {{"WINGRAPH_TRACE", ""}});
  EXPECT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  // The last picture shown still has the circle and the segment's end A.
  const PngImage image = load_png(run.file("end.png"));
  ASSERT_EQ(image.width, 800);
  EXPECT_EQ(image.at(470, 300), White);
  EXPECT_EQ(image.at(310, 210), White);
}

}  // namespace
