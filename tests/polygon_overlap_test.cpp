// polygon_overlap driven headless: polygons entered by scripted clicks, the
// trace of what it drew and the picture it left.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/demo_run.h"
#include "support/png_image.h"

namespace {

constexpr std::uint32_t Black = 0x000000, LightRed = 0xFF8080, LightBlue = 0xADD8E6,
                        LightGreen = 0x90EE90;

struct Vertex {
  int x, y;
};

std::string mouse(int x, int y, int buttons) {
  return "mouse " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(buttons) +
         "\n";
}

// A left click: down, up, then a quiet poll for the KeyPressed test that
// follows each placed vertex.
std::string click(Vertex v) { return mouse(v.x, v.y, 1) + mouse(v.x, v.y, 0) + "wait 1\n"; }

// The vertices by clicks, ended by a right click.
std::string polygon(const std::vector<Vertex>& vertices) {
  std::string script;
  for (const Vertex& v : vertices) script += click(v);
  return script + mouse(vertices.back().x, vertices.back().y, 2);
}

const std::string Key = "key 32\n";

const std::vector<Vertex> SquareA{{100, 100}, {300, 100}, {300, 300}, {100, 300}};
const std::vector<Vertex> SquareB{{200, 200}, {400, 200}, {400, 400}, {200, 400}};

int count(const DemoRun& run, std::string_view call) {
  return static_cast<int>(run.calls(call).size());
}

TEST(PolygonOverlap, FillsInLightGreenExactlyWhereTheSquaresOverlap) {
  const std::vector<Vertex> first_inside_b{{300, 300}, {300, 100}, {100, 100}, {100, 300}};
  for (const auto& A : {SquareA, first_inside_b}) {
    SCOPED_TRACE(A[0].x);
    const DemoRun run = run_demo(
        "polygon_overlap", polygon(A) + Key + polygon(SquareB) + Key + "snap overlap.png\n" + Key);
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    EXPECT_TRUE(run.has("InitGraph 3 6 \"INTERSECTIA POLIGOANELOR\""));
    EXPECT_TRUE(run.has("SetFillStyle 1 #90EE90"));
    EXPECT_EQ(
        run.calls("FillPoly"),
        std::vector<std::string>{"FillPoly 6 200 300 300 300 300 300 300 200 200 200 200 200"});
    EXPECT_EQ(count(run, "ReadKey"), 3);
    EXPECT_EQ(run.trace.back(), "CloseGraph");

    const PngImage image = load_png(run.file("overlap.png"));
    ASSERT_EQ(image.width, 800);
    struct Probe {
      const char* where;
      int x, y;
      std::uint32_t colour;
    };
    const Probe probes[] = {
        {"inside the overlap", 250, 250, LightGreen},
        {"inside, near its corner", 202, 202, LightGreen},
        {"its outline along B", 250, 200, LightGreen},
        {"its outline along A", 300, 250, LightGreen},
        {"its corner", 200, 300, LightGreen},
        {"A alone", 150, 150, Black},
        {"A alone, next to the overlap", 198, 250, Black},
        {"B alone", 350, 350, Black},
        {"B alone, next to the overlap", 250, 302, Black},
        {"outside both", 50, 500, Black},
        {"A's outline", 150, 100, LightRed},
        {"B's outline", 350, 400, LightBlue},
    };
    for (const Probe& p : probes) EXPECT_EQ(image.at(p.x, p.y), p.colour) << p.where;
  }
}

TEST(PolygonOverlap, FillsAPolygonLyingInsideTheOther) {
  const std::vector<Vertex> big{{100, 100}, {500, 100}, {500, 500}, {100, 500}};
  const std::vector<Vertex> triangle{{200, 200}, {300, 200}, {250, 300}};
  for (bool inner_first : {false, true}) {
    SCOPED_TRACE(inner_first);
    const auto& A = inner_first ? triangle : big;
    const auto& B = inner_first ? big : triangle;
    const DemoRun run =
        run_demo("polygon_overlap", polygon(A) + Key + polygon(B) + Key + "snap inner.png\n" + Key);
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    ASSERT_EQ(count(run, "FillPoly"), 1);
    EXPECT_EQ(run.calls("FillPoly")[0].rfind("FillPoly 3 ", 0), 0u);
    const PngImage image = load_png(run.file("inner.png"));
    ASSERT_EQ(image.width, 800);
    EXPECT_EQ(image.at(250, 230), LightGreen);
    EXPECT_EQ(image.at(150, 400), Black);
  }
}

TEST(PolygonOverlap, EndsEarlyWhenThereIsNothingToShow) {
  struct Case {
    const char* name;
    std::string script;
  };
  const std::vector<Vertex> far{{500, 400}, {600, 400}, {600, 500}};
  const Case cases[] = {
      // The second exit: right after the key that follows B.
      {"polygons apart", polygon(SquareA) + Key + polygon(far) + Key},
      {"squares sharing an edge",
       polygon(SquareA) + Key + polygon({{300, 100}, {400, 100}, {400, 300}, {300, 300}}) + Key},
      // The first exit: B is still asked for.
      {"A of one vertex", polygon({{100, 100}}) + Key + polygon(far) + Key},
      {"B of one vertex", polygon(SquareA) + Key + polygon({{100, 100}}) + Key},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DemoRun run = run_demo("polygon_overlap", c.script);
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    EXPECT_EQ(count(run, "FillPoly"), 0);
    EXPECT_EQ(count(run, "ReadKey"), 2);
    EXPECT_TRUE(run.has("SetColor #ADD8E6"));
    ASSERT_GE(run.trace.size(), 2u);
    EXPECT_EQ(run.trace[run.trace.size() - 2], "ReadKey -> 32");
    EXPECT_EQ(run.trace.back(), "CloseGraph");
  }
}

TEST(PolygonOverlap, VertexInputRules) {
  struct Case {
    const char* name;
    std::string script;
    std::vector<std::string> red_circles, blue_circles;
  };
  std::string two_hundred;
  std::vector<std::string> two_hundred_circles;
  for (int k = 0; k < 200; ++k) {
    const Vertex v{100 + (k % 20) * 10, 100 + (k / 20) * 10};
    two_hundred += click(v);
    two_hundred_circles.push_back("Circle " + std::to_string(v.x) + " " + std::to_string(v.y) +
                                  " 2");
  }
  const std::vector<std::string> square_circles{"Circle 100 100 2", "Circle 300 100 2",
                                                "Circle 300 300 2", "Circle 100 300 2"};
  const std::vector<std::string> triangle_circles{"Circle 150 150 2", "Circle 250 150 2",
                                                  "Circle 200 250 2"};
  const std::string triangle = polygon({{150, 150}, {250, 150}, {200, 250}});
  const Case cases[] = {
      // The key ends A, stays waiting and satisfies the wait after A, whose
      // poll takes one quiet turn.
      {"a key instead of a right click",
       click({100, 100}) + click({300, 100}) + click({300, 300}) + mouse(100, 300, 1) +
           mouse(100, 300, 0) + Key + "wait 1\n" + triangle + Key + Key,
       {"Circle 100 100 2", "Circle 300 100 2", "Circle 300 300 2", "Circle 100 300 2"},
       triangle_circles},
      {"left with Shift, left with right, left with Ctrl, middle: no vertex",
       mouse(50, 50, 9) + mouse(50, 50, 0) + mouse(60, 60, 3) + mouse(60, 60, 0) +
           mouse(70, 70, 17) + mouse(70, 70, 0) + mouse(80, 80, 4) + mouse(80, 80, 0) +
           polygon(SquareA) + Key + triangle + Key + Key,
       square_circles, triangle_circles},
      // Placed where every button and modifier is up, not where it went down.
      {"a vertex placed only when everything is released",
       mouse(10, 10, 1) + mouse(20, 20, 9) + mouse(30, 30, 1) + mouse(100, 100, 0) + "wait 1\n" +
           polygon({{300, 100}, {300, 300}, {100, 300}}) + Key + triangle + Key + Key,
       square_circles, triangle_circles},
      {"a right click with Shift does not end the input",
       click({100, 100}) + click({300, 100}) + mouse(300, 100, 10) + mouse(300, 100, 0) +
           polygon({{300, 300}, {100, 300}}) + Key + triangle + Key + Key,
       square_circles, triangle_circles},
      // B's input sees the right button still down and ends with no vertex.
      {"the right button still held when B begins",
       polygon(SquareA) + Key + Key,
       square_circles,
       {}},
      {"the 200th vertex ends the input", two_hundred + Key + triangle + Key + Key,
       two_hundred_circles, triangle_circles},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DemoRun run = run_demo("polygon_overlap", c.script);
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    // Vertex circles are drawn while each polygon is entered, between the
    // colour set for it and its outline.
    std::vector<std::string> red, blue, *into = nullptr;
    for (const std::string& line : run.trace) {
      if (line == "SetColor #FF8080" && red.empty() && blue.empty()) into = &red;
      if (line == "SetColor #ADD8E6" && blue.empty()) into = &blue;
      if (line.rfind("Line ", 0) == 0) into = nullptr;
      if (into != nullptr && line.rfind("Circle ", 0) == 0) into->push_back(line);
    }
    EXPECT_EQ(red, c.red_circles);
    EXPECT_EQ(blue, c.blue_circles);
    EXPECT_EQ(run.trace.back(), "CloseGraph");
  }
}

}  // namespace
