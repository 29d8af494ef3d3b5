#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "segment_trace_pieces.h"
#include "support/demo_run.h"
#include "support/png_image.h"
#include "wingraph.h"

namespace {

// One random pair per cycle, each cycle ended by its key; the last key is Esc.
struct Cycle {
  const char* what;
  int ends[8];  // A.x A.y B.x B.y C.x C.y D.x D.y as Random gives them
  int key;
  const char* colour;  // of the circle, nullptr when none is drawn
  const char* circle;
  bool circle_in_window;
};

const Cycle cycles[] = {
    {"crossing", {100, 100, 300, 300, 100, 300, 300, 100}, 32, "#90EE90", "Circle 200 200 4", true},
    {"touching", {100, 100, 300, 100, 200, 100, 200, 300}, 97, "#90EE90", "Circle 200 100 4", true},
    {"lines cross beyond the second",
     {100, 100, 300, 100, 200, 150, 200, 300},
     49,
     "#FF00FF",
     "Circle 200 100 4",
     true},
    {"lines cross beyond both",
     {100, 100, 200, 200, 500, 100, 400, 200},
     13,
     "#FF00FF",
     "Circle 300 300 4",
     true},
    {"parallel", {100, 100, 300, 100, 100, 200, 300, 200}, 48, nullptr, nullptr, false},
    {"collinear", {100, 100, 300, 100, 200, 100, 400, 100}, 65, nullptr, nullptr, false},
    {"zero length", {150, 150, 150, 150, 100, 100, 300, 300}, 122, nullptr, nullptr, false},
    {"lines cross at the origin", {10, 10, 20, 20, 10, 20, 20, 40}, 9, nullptr, nullptr, false},
    // A 16-bit wrap of the crossing would put the circle at (497, 516).
    {"nearly parallel: far outside",
     {13, 2, 623, 379, 0, 35, 377, 268},
     27,
     "#FF00FF",
     "Circle -9436687 -5832188 4",
     false},
};

std::string Script() {
  std::string script;
  for (const Cycle& c : cycles) {
    script += "random";
    for (int v : c.ends) script += " " + std::to_string(v);
    script += "\n";
  }
  int n = 0;
  for (const Cycle& c : cycles) {
    script += "snap cycle" + std::to_string(n++) + ".png\nkey " + std::to_string(c.key) + "\n";
  }
  return script;
}

std::string LineOf(const int* e) {
  return "Line " + std::to_string(e[0]) + " " + std::to_string(e[1]) + " " + std::to_string(e[2]) +
         " " + std::to_string(e[3]);
}

TEST(IntersectionsProgram, EachKeyShowsTheNextPairUntilEsc) {
  const DemoRun run = run_demo("intersections", Script());
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  ASSERT_FALSE(run.trace.empty());
  EXPECT_EQ(run.trace.front(), R"(InitGraph 3 6 "INTERSECTII")");

  // Randomize once, before the first random number.
  ASSERT_EQ(run.calls("Randomize").size(), 1u);
  const int randomize = run.find("Randomize");
  const std::vector<std::string> randoms = run.calls("Random");
  ASSERT_EQ(randoms.size(), std::size(cycles) * 8);
  EXPECT_LT(randomize, run.find(randoms.front()));
  for (size_t i = 0; i < randoms.size(); ++i) {
    const int value = cycles[i / 8].ends[i % 8];
    EXPECT_EQ(randoms[i],
              (i % 2 == 0 ? "Random 799 -> " : "Random 599 -> ") + std::to_string(value));
  }

  // Each cycle cleared after its key; Esc ends with the window blank.
  const auto pieces = PiecesBetweenClears(run);
  ASSERT_EQ(pieces.size(), std::size(cycles) + 1);
  EXPECT_EQ(pieces.back(), TracePiece{"CloseGraph"});
  for (size_t n = 0; n < std::size(cycles); ++n) {
    const Cycle& c = cycles[n];
    SCOPED_TRACE(c.what);
    TracePiece drawing{"SetColor #FFFFFF", LineOf(c.ends), LineOf(c.ends + 4)};
    if (c.colour != nullptr) {
      drawing.push_back(std::string("SetColor ") + c.colour);
      drawing.push_back(c.circle);
    }
    EXPECT_EQ(DrawingCalls(pieces[n]), drawing);
    EXPECT_EQ(pieces[n].back(), "ReadKey -> " + std::to_string(c.key));

    const PngImage picture = load_png(run.file("cycle" + std::to_string(n) + ".png"));
    ASSERT_EQ(picture.width, 800);
    const int green = CountPixels(picture, LightGreen), magenta = CountPixels(picture, Magenta);
    EXPECT_EQ(green + magenta > 0, c.circle_in_window);
    if (c.circle_in_window) {
      EXPECT_EQ(green > 0, std::string(c.colour) == "#90EE90");
    }
  }
}

}  // namespace
