#include "raster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

constexpr Colour Ink = 0xFFFFFF;

struct Pixel {
  std::int64_t x;
  std::int64_t y;
};

std::unique_ptr<Page> blank_page() { return std::make_unique<Page>(); }

std::vector<Pixel> inked(const Page& page) {
  std::vector<Pixel> pixels;
  for (int y = 0; y < Page::Height; ++y) {
    for (int x = 0; x < Page::Width; ++x) {
      if (page.at(x, y) != Black) pixels.push_back({x, y});
    }
  }
  return pixels;
}

struct LineCase {
  const char* name;
  std::int32_t x1, y1, x2, y2;
};

TEST(DrawLine, EndPointsDrawnAndBothDirectionsAlike) {
  const LineCase cases[] = {
      {"octant 1", 100, 100, 300, 150},     {"octant 2", 100, 100, 150, 300},
      {"octant 3", 100, 100, 50, 300},      {"octant 4", 300, 100, 100, 160},
      {"octant 5", 300, 300, 100, 250},     {"octant 6", 300, 300, 250, 100},
      {"octant 7", 300, 300, 350, 100},     {"octant 8", 100, 300, 300, 240},
      {"diagonal", 10, 10, 200, 200},       {"anti-diagonal", 10, 200, 200, 10},
      {"horizontal", 5, 400, 795, 400},     {"vertical", 600, 3, 600, 590},
      {"single point", 400, 300, 400, 300}, {"half steps", 0, 0, 7, 2},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto forward = blank_page();
    auto backward = blank_page();
    draw_line(*forward, c.x1, c.y1, c.x2, c.y2, Ink);
    draw_line(*backward, c.x2, c.y2, c.x1, c.y1, Ink);
    EXPECT_EQ(forward->at(c.x1, c.y1), Ink);
    EXPECT_EQ(forward->at(c.x2, c.y2), Ink);
    EXPECT_TRUE(forward->pixels == backward->pixels);
    // One pixel per step along the major axis, each within half a pixel of the line.
    const std::vector<Pixel> pixels = inked(*forward);
    const std::int64_t dx = c.x2 - c.x1;
    const std::int64_t dy = c.y2 - c.y1;
    EXPECT_EQ(static_cast<std::int64_t>(pixels.size()), std::max(std::abs(dx), std::abs(dy)) + 1);
    const double length = std::hypot(double(dx), double(dy));
    for (const Pixel& p : pixels) {
      const double off = std::abs(dy * (p.x - c.x1) - dx * (p.y - c.y1));
      EXPECT_LE(off, 0.5 * std::max(std::abs(dx), std::abs(dy)) + 1e-9) << p.x << "," << p.y;
      EXPECT_LE(off / std::max(length, 1.0), 0.5 + 1e-9);
    }
  }
}

TEST(DrawLine, FarLineLiesExactlyWhereTheRealLineIs) {
  struct FarCase {
    LineCase line;
    std::size_t visible;  // pixels on the page
  };
  const FarCase cases[] = {
      {{"shallow, across", -2000000000, 300, 2000000000, 301}, Page::Width},
      {{"steep, across", 400, -2000000000, 401, 2000000000}, Page::Height},
      {{"extremes, through the corner", INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, Page::Height},
      // y = 500 + x / 2 leaves the page after x = 198 (x = 199 rounds to row 600).
      {{"leaving at the bottom", -2000000000, -999999500, 2000000000, 1000000500}, 199},
  };
  for (const auto& [c, visible] : cases) {
    SCOPED_TRACE(c.name);
    auto page = blank_page();
    draw_line(*page, c.x1, c.y1, c.x2, c.y2, Ink);
    const std::vector<Pixel> pixels = inked(*page);
    const std::int64_t dx = std::int64_t{c.x2} - c.x1;
    const std::int64_t dy = std::int64_t{c.y2} - c.y1;
    const bool shallow = std::abs(dx) >= std::abs(dy);
    EXPECT_EQ(pixels.size(), visible);
    for (const Pixel& p : pixels) {
      // 2 * |distance along the minor axis| * major extent, exactly in integers.
      const __int128 cross = __int128{dy} * (p.x - c.x1) - __int128{dx} * (p.y - c.y1);
      const __int128 major = shallow ? dx : dy;
      const __int128 twice = 2 * (cross < 0 ? -cross : cross);
      EXPECT_LE(twice, major < 0 ? -major : major) << p.x << "," << p.y;
    }
  }
  // The shallow line crosses from row 300 to 301 only at x = 0, far from the page.
  auto page = blank_page();
  draw_line(*page, -2000000000, 300, 2000000000, 301, Ink);
  EXPECT_EQ(page->at(0, 300), Black);
  EXPECT_EQ(page->at(0, 301), Ink);
  EXPECT_EQ(page->at(799, 301), Ink);
}

TEST(DrawLine, LineOutsideThePageDrawsNothing) {
  auto page = blank_page();
  draw_line(*page, -100, 700, 2000000000, 700, Ink);
  draw_line(*page, 900, -2000000000, 900, 2000000000, Ink);
  draw_line(*page, -10, 5, 5, -10, Ink);
  EXPECT_TRUE(inked(*page).empty());
}

TEST(DrawCircle, ExtremePointsSymmetryAndClosedOutline) {
  struct CircleCase {
    std::int32_t cx, cy, r;
  };
  const CircleCase cases[] = {
      {400, 300, 0}, {400, 300, 1}, {400, 300, 7}, {400, 300, 100}, {300, 250, 233}};
  for (const CircleCase& c : cases) {
    SCOPED_TRACE(c.r);
    auto page = blank_page();
    draw_circle(*page, c.cx, c.cy, c.r, Ink);
    EXPECT_EQ(page->at(c.cx + c.r, c.cy), Ink);
    EXPECT_EQ(page->at(c.cx - c.r, c.cy), Ink);
    EXPECT_EQ(page->at(c.cx, c.cy + c.r), Ink);
    EXPECT_EQ(page->at(c.cx, c.cy - c.r), Ink);
    const std::vector<Pixel> pixels = inked(*page);
    for (const Pixel& p : pixels) {
      const std::int64_t dx = p.x - c.cx;
      const std::int64_t dy = p.y - c.cy;
      EXPECT_EQ(page->at(c.cx - dx, c.cy + dy), Ink);
      EXPECT_EQ(page->at(c.cx + dx, c.cy - dy), Ink);
      EXPECT_EQ(page->at(c.cx + dy, c.cy + dx), Ink);  // the diagonal mirror too
      EXPECT_NEAR(std::hypot(double(dx), double(dy)), c.r, 0.5 + 1e-9);
      // Closed: every pixel has an 8-connected neighbour on the outline.
      int neighbours = 0;
      for (int ny = -1; ny <= 1; ++ny) {
        for (int nx = -1; nx <= 1; ++nx) neighbours += page->at(p.x + nx, p.y + ny) == Ink;
      }
      if (c.r > 0) {
        EXPECT_GE(neighbours, 3) << p.x << "," << p.y;
      }
    }
  }
  auto page = blank_page();
  draw_circle(*page, 400, 300, -5, Ink);
  EXPECT_TRUE(inked(*page).empty());
}

TEST(DrawCircle, HugeCircleThroughThePageLiesOnTheTrueCircle) {
  struct HugeCase {
    const char* name;
    std::int32_t cx, cy, r;
  };
  const HugeCase cases[] = {
      {"centre far below", 400, 1000000300, 1000000000},
      {"centre far left, diagonal arc", -353553090, -353553090, 500000000},
      {"extreme radius", 400, 300 - INT32_MAX, INT32_MAX},
  };
  for (const HugeCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto page = blank_page();
    draw_circle(*page, c.cx, c.cy, c.r, Ink);
    const std::vector<Pixel> pixels = inked(*page);
    EXPECT_GE(pixels.size(), std::size_t{Page::Width / 2});
    for (const Pixel& p : pixels) {
      const long double d =
          std::hypot(static_cast<long double>(p.x - c.cx), static_cast<long double>(p.y - c.cy));
      EXPECT_LE(std::abs(d - c.r), 1.0L) << p.x << "," << p.y;
    }
  }
}

TEST(FillPolygon, EvenOddInsideAtPixelCentres) {
  struct Probe {
    int x, y;
    bool inside;
  };
  struct FillCase {
    const char* name;
    std::vector<PointType> points;
    std::vector<Probe> probes;
  };
  const FillCase cases[] = {
      {"square",
       {{10, 10}, {20, 10}, {20, 20}, {10, 20}},
       {{15, 15, true},
        {10, 10, true},
        {19, 19, true},
        {20, 15, false},
        {15, 20, false},
        {9, 15, false},
        {15, 9, false}}},
      {"bow tie crossing at (50, 50)",
       {{0, 0}, {100, 100}, {100, 0}, {0, 100}},
       {{50, 20, false}, {50, 80, false}, {20, 50, true}, {80, 50, true}, {90, 20, true}}},
      {"pentagram: the centre is outside",
       {{400, 100}, {518, 462}, {210, 238}, {590, 238}, {282, 462}},
       {{400, 300, false}, {400, 150, true}, {290, 440, true}, {250, 250, true}, {400, 50, false}}},
      {"repeated points and collinear edges",
       {{10, 10}, {10, 10}, {30, 10}, {50, 10}, {50, 50}, {50, 50}, {10, 50}},
       {{30, 30, true}, {10, 30, true}, {50, 30, false}, {60, 30, false}}},
      {"far vertices, clipped",
       {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}},
       {{0, 0, true}, {799, 0, true}, {400, 599, true}}},
      {"degenerate: all on a line", {{0, 0}, {100, 100}, {200, 200}}, {{100, 100, false}}},
  };
  for (const FillCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto page = blank_page();
    fill_polygon(*page, c.points.data(), static_cast<int>(c.points.size()), Ink);
    for (const Probe& p : c.probes) {
      EXPECT_EQ(page->at(p.x, p.y) == Ink, p.inside) << p.x << "," << p.y;
    }
  }
}

TEST(FillPolygon, TriangleMatchesThePointTest) {
  const std::vector<PointType> triangle = {{-300, 20}, {700, 580}, {900, -40}};
  auto page = blank_page();
  fill_polygon(*page, triangle.data(), 3, Ink);
  // Inside strictly by the edge functions; pixels exactly on an edge are not checked.
  for (int y = 0; y < Page::Height; ++y) {
    for (int x = 0; x < Page::Width; ++x) {
      int sign = 0;
      bool on_edge = false;
      for (int i = 0; i < 3; ++i) {
        const PointType a = triangle[i];
        const PointType b = triangle[(i + 1) % 3];
        const std::int64_t e =
            std::int64_t{b.x - a.x} * (y - a.y) - std::int64_t{b.y - a.y} * (x - a.x);
        on_edge |= e == 0;
        sign += e > 0 ? 1 : -1;
      }
      if (!on_edge) {
        ASSERT_EQ(page->at(x, y) == Ink, std::abs(sign) == 3) << x << "," << y;
      }
    }
  }
}

}  // namespace
