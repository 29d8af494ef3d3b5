// The drawing core on a page of its own: lines, circles, filled polygons and
// text per second, the shapes whose coordinates lie far outside the page, and
// the page clear.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

#include "page.h"
#include "raster.h"
#include "text.h"

namespace {

constexpr Colour Ink = 0xFFFFFF;

struct Segment {
  std::int32_t x1, y1, x2, y2;
};

// Lines between random points of the page, all directions and lengths.
std::vector<Segment> random_lines(int count) {
  std::mt19937 generator(7);
  std::uniform_int_distribution<std::int32_t> x(0, Page::Width - 1), y(0, Page::Height - 1);
  std::vector<Segment> lines;
  for (int i = 0; i < count; ++i)
    lines.push_back({x(generator), y(generator), x(generator), y(generator)});
  return lines;
}

// The corners of a star around the page centre: n points, radii alternating.
std::vector<PointType> star(int n, double outer, double inner) {
  std::vector<PointType> points;
  for (int k = 0; k < n; ++k) {
    const double radius = k % 2 == 0 ? outer : inner;
    const double angle = 2 * std::numbers::pi * k / n;
    points.push_back({static_cast<std::int32_t>(std::lround(400 + radius * std::cos(angle))),
                      static_cast<std::int32_t>(std::lround(300 + radius * std::sin(angle)))});
  }
  return points;
}

void BM_Line(benchmark::State& state) {
  auto page = std::make_unique<Page>();
  const std::vector<Segment> lines = random_lines(256);
  std::size_t i = 0;
  for (auto _ : state) {
    const Segment& s = lines[i++ % lines.size()];
    draw_line(*page, s.x1, s.y1, s.x2, s.y2, Ink);
  }
  benchmark::DoNotOptimize(page->pixels.data());
  state.SetItemsProcessed(state.iterations());
}

void BM_Circle(benchmark::State& state) {
  auto page = std::make_unique<Page>();
  const auto radius = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) draw_circle(*page, 400, 300, radius, Ink);
  benchmark::DoNotOptimize(page->pixels.data());
  state.SetItemsProcessed(state.iterations());
}

void BM_FillPolygon(benchmark::State& state) {
  auto page = std::make_unique<Page>();
  const std::vector<PointType> polygon = star(static_cast<int>(state.range(0)), 250, 120);
  for (auto _ : state) fill_polygon(*page, polygon.data(), static_cast<int>(polygon.size()), Ink);
  benchmark::DoNotOptimize(page->pixels.data());
  state.SetItemsProcessed(state.iterations());
}

// A value text as cross_product writes it, centred with its bottom on y, on
// the black background as in the demos: the texts go to the places of a grid
// where none overlaps another, and the page is cleared, untimed, once the grid
// is full.
void BM_Text(benchmark::State& state) {
  auto page = std::make_unique<Page>();
  TextStyle style;
  style.font = ArialFont;
  style.horizontal = 1;
  style.vertical = 1;
  constexpr int Columns = 4, Rows = 30;
  int place = 0;
  for (auto _ : state) {
    if (place == Columns * Rows) {
      state.PauseTiming();
      clear_page(*page, Black);
      place = 0;
      state.ResumeTiming();
    }
    const int x = 100 + 200 * (place % Columns);
    const int y = 20 * (place / Columns + 1);
    draw_text(*page, x, y, "|A X B| = 14358.030", style, Ink);
    ++place;
  }
  benchmark::DoNotOptimize(page->pixels.data());
  state.SetItemsProcessed(state.iterations());
}

// The arc of a circle of radius 10^9 whose centre lies far below the page.
void BM_HugeCircle(benchmark::State& state) {
  auto page = std::make_unique<Page>();
  for (auto _ : state) draw_circle(*page, 400, 1000000300, 1000000000, Ink);
  benchmark::DoNotOptimize(page->pixels.data());
  state.SetItemsProcessed(state.iterations());
}

// A line across the page between end points two thousand million pixels away.
void BM_FarLine(benchmark::State& state) {
  auto page = std::make_unique<Page>();
  for (auto _ : state) draw_line(*page, -2000000000, 300, 2000000000, 301, Ink);
  benchmark::DoNotOptimize(page->pixels.data());
  state.SetItemsProcessed(state.iterations());
}

void BM_ClearPage(benchmark::State& state) {
  auto page = std::make_unique<Page>();
  for (auto _ : state) clear_page(*page, Black);
  benchmark::DoNotOptimize(page->pixels.data());
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_Line)->Name("Draw/Line");
BENCHMARK(BM_Circle)->Name("Draw/Circle")->Arg(10)->Arg(100);
BENCHMARK(BM_FillPolygon)->Name("Draw/FillPolygon")->Arg(4)->Arg(16);
BENCHMARK(BM_Text)->Name("Draw/Text");
BENCHMARK(BM_HugeCircle)->Name("Draw/HugeCircle");
BENCHMARK(BM_FarLine)->Name("Draw/FarLine");
BENCHMARK(BM_ClearPage)->Name("Draw/ClearPage")->Unit(benchmark::kMicrosecond);

}  // namespace
