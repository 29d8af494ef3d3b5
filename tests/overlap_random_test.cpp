// TraceOverlap against an independent computation of the common part
// (Boost.Geometry) over many random pairs of simple polygons, and on
// degenerate random input.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <boost/geometry.hpp>
#include <cmath>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "overlap.h"

namespace {

namespace bg = boost::geometry;
using BoostPoint = bg::model::d2::point_xy<double>;
using BoostPolygon = bg::model::polygon<BoostPoint>;
using BoostPolygons = bg::model::multi_polygon<BoostPolygon>;

constexpr int Width = 800, Height = 600;

BoostPolygon boost_polygon(const PointList& P) {
  BoostPolygon polygon;
  for (const Point& p : P) bg::append(polygon.outer(), BoostPoint(p.x, p.y));
  bg::correct(polygon);
  return polygon;
}

std::string text(const PointList& P) {
  std::ostringstream out;
  for (const Point& p : P) out << " (" << p.x << ", " << p.y << ")";
  return out.str();
}

// Whole-number coordinates on a lattice of the given step inside the window.
Point lattice_point(double x, double y, int step) {
  auto snap = [step](double v, int limit) {
    return std::clamp(std::round(v / step) * step, 0.0, static_cast<double>(limit - 1));
  };
  return {snap(x, Width), snap(y, Height)};
}

int uniform(std::mt19937& rng, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}

double cross(Point o, Point a, Point b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The convex hull, without collinear points, of random lattice points in a
// random box.
PointList random_convex(std::mt19937& rng, int step) {
  const int x0 = uniform(rng, 0, Width - 100), y0 = uniform(rng, 0, Height - 100);
  const int x1 = uniform(rng, x0 + 50, Width - 1), y1 = uniform(rng, y0 + 50, Height - 1);
  PointList points;
  for (int k = uniform(rng, 3, 30); k > 0; --k)
    points.push_back(lattice_point(uniform(rng, x0, x1), uniform(rng, y0, y1), step));
  std::sort(points.begin(), points.end(), PointBefore);
  points.erase(std::unique(points.begin(), points.end(), SamePoint), points.end());
  PointList hull;
  for (int pass = 0; pass < 2; ++pass) {
    const std::size_t base = hull.size();
    for (const Point& p : points) {
      while (hull.size() >= base + 2 && cross(hull[hull.size() - 2], hull.back(), p) <= 0)
        hull.pop_back();
      hull.push_back(p);
    }
    hull.pop_back();
    std::reverse(points.begin(), points.end());
  }
  return hull;
}

// Vertices at increasing angles around a centre, at random distances.
PointList random_star(std::mt19937& rng, int step) {
  const double cx = uniform(rng, 150, Width - 150), cy = uniform(rng, 150, Height - 150);
  const int n = uniform(rng, 3, 50);
  std::vector<double> angles;
  for (int k = 0; k < n; ++k)
    angles.push_back(std::uniform_real_distribution<double>(0, 2 * std::numbers::pi)(rng));
  std::sort(angles.begin(), angles.end());
  const double reach = uniform(rng, 40, 300);
  PointList star;
  for (double angle : angles) {
    const double r = std::uniform_real_distribution<double>(0.2, 1.0)(rng) * reach;
    const Point p = lattice_point(cx + r * std::cos(angle), cy + r * std::sin(angle), step);
    if (star.empty() || !SamePoint(star.back(), p)) star.push_back(p);
  }
  return star;
}

// Simple: no repeated vertex, no edge meeting another but its neighbours at
// their shared ends, some area.
bool simple(const PointList& P) {
  PointList sorted = P;
  std::sort(sorted.begin(), sorted.end(), PointBefore);
  if (P.size() < 3 || std::adjacent_find(sorted.begin(), sorted.end(), SamePoint) != sorted.end())
    return false;
  return bg::is_valid(boost_polygon(P)) && bg::area(boost_polygon(P)) > 0;
}

template <typename Generate>
PointList random_simple(std::mt19937& rng, int step, Generate generate) {
  for (;;) {
    PointList P = generate(rng, step);
    if (simple(P)) return P;
  }
}

// Even-odd over the edges of a ring, written apart from the code under test.
bool inside_ring(const PointList& ring, double x, double y) {
  bool inside = false;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const Point &a = ring[i], &b = ring[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

double distance_to_outline(const PointList& P, Point q) {
  double best = INFINITY;
  for (std::size_t i = 0; i < P.size(); ++i) {
    const Point a = P[i], b = P[(i + 1) % P.size()];
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    const double t =
        length2 == 0 ? 0 : std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / length2, 0.0, 1.0);
    best = std::min(best, std::hypot(q.x - (a.x + t * dx), q.y - (a.y + t * dy)));
  }
  return best;
}

double signed_area(const PointList& ring) {
  double twice = 0;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const Point &a = ring[i], &b = ring[(i + 1) % ring.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2;
}

// The loops cover, even-odd, exactly the points of a grid that lie inside
// both polygons (off both outlines), and their area is that of the common part.
void expect_traced_overlap(const PointList& A, const PointList& B) {
  SCOPED_TRACE("A:" + text(A) + "\nB:" + text(B));
  const BoostPolygon a = boost_polygon(A), b = boost_polygon(B);
  BoostPolygons common;
  bg::intersection(a, b, common);

  PointList traced_A = A, traced_B = B;
  OverlapLoops overlap;
  const bool overlapping = TraceOverlap(traced_A, traced_B, overlap);
  const std::vector<PointList> loops = overlap.Split();
  double area = 0;
  for (const PointList& loop : loops) area += signed_area(loop);
  EXPECT_EQ(overlapping, !loops.empty());
  EXPECT_NEAR(std::abs(area), bg::area(common), 1e-6 * std::max(1.0, bg::area(common)));

  // Loops run along the outlines, so nothing of them lies outside both boxes.
  bg::model::box<BoostPoint> box = bg::return_envelope<bg::model::box<BoostPoint>>(a);
  bg::expand(box, bg::return_envelope<bg::model::box<BoostPoint>>(b));
  int wrong = 0;
  for (double y = box.min_corner().y() + 0.4; y < box.max_corner().y(); y += 3) {
    for (double x = box.min_corner().x() + 0.3; x < box.max_corner().x(); x += 3) {
      const Point q{x, y};
      if (distance_to_outline(A, q) < 1e-6 || distance_to_outline(B, q) < 1e-6) continue;
      bool in_loops = false;
      for (const PointList& loop : loops) in_loops ^= inside_ring(loop, x, y);
      const bool in_both = bg::within(BoostPoint(x, y), a) && bg::within(BoostPoint(x, y), b);
      if (in_loops != in_both && ++wrong <= 3) ADD_FAILURE() << "at (" << x << ", " << y << ")";
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(TraceOverlapRandom, MatchesTheCommonPartOfSimplePolygons) {
  std::mt19937 rng(20240611);
  struct Kind {
    const char* name;
    PointList (*generate)(std::mt19937&, int);
    int step;  // coarse lattices make shared vertices, vertices on edges and shared edges
    int pairs;
  };
  const Kind kinds[] = {
      {"convex", random_convex, 1, 60},
      {"convex on a coarse lattice", random_convex, 50, 60},
      {"star-shaped", random_star, 1, 60},
      {"star-shaped on a coarse lattice", random_star, 50, 60},
      {"star-shaped on a lattice of 20", random_star, 20, 60},
  };
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    for (int pair = 0; pair < kind.pairs; ++pair) {
      const PointList A = random_simple(rng, kind.step, kind.generate);
      // Now and then both of one kind, now and then mixed.
      const PointList B =
          random_simple(rng, kind.step, pair % 3 == 0 ? random_convex : kind.generate);
      expect_traced_overlap(A, B);
    }
  }
}

// Identical, nested and edge-sharing simple polygons from the random ones.
TEST(TraceOverlapRandom, MatchesTheCommonPartOfPolygonsAndTheirCopies) {
  std::mt19937 rng(7);
  for (int pair = 0; pair < 40; ++pair) {
    const PointList A = random_simple(rng, pair % 2 == 0 ? 1 : 20, random_star);
    expect_traced_overlap(A, A);
    PointList reversed(A.rbegin(), A.rend());
    std::rotate(reversed.begin(), reversed.begin() + pair % reversed.size(), reversed.end());
    expect_traced_overlap(A, reversed);
    // A copy shifted by one vertex's worth along an edge direction keeps some
    // collinear edges.
    PointList shifted = A;
    const double dx = A[1].x - A[0].x, dy = A[1].y - A[0].y;
    for (Point& p : shifted) p = {p.x + dx, p.y + dy};
    if (simple(shifted)) expect_traced_overlap(A, shifted);
  }
}

TEST(TraceOverlapRandom, DegenerateInputEndsWithWellFormedLoops) {
  std::mt19937 rng(99);
  for (int trial = 0; trial < 200; ++trial) {
    const int step = std::array{1, 50, 100, 200}[trial % 4];
    auto random_outline = [&](int n) {
      PointList P;
      for (int k = 0; k < n; ++k) {
        if (!P.empty() && uniform(rng, 0, 5) == 0)
          P.push_back(P[uniform(rng, 0, static_cast<int>(P.size()) - 1)]);  // repeated vertex
        else
          P.push_back(lattice_point(uniform(rng, 0, Width - 1), uniform(rng, 0, Height - 1), step));
      }
      return P;
    };
    const int nA = trial % 10 == 0 ? 200 : uniform(rng, 2, 200);
    const int nB = trial % 10 == 5 ? 200 : uniform(rng, 2, 200);
    PointList A = random_outline(nA), B = random_outline(nB);
    SCOPED_TRACE("A:" + text(A) + "\nB:" + text(B));
    OverlapLoops overlap;
    const bool overlapping = TraceOverlap(A, B, overlap);
    EXPECT_EQ(overlapping, !overlap.LoopEnd.empty());
    if (overlapping) {
      EXPECT_EQ(overlap.LoopEnd.back(), static_cast<int>(overlap.Loops.size()));
      EXPECT_TRUE(std::is_sorted(overlap.LoopEnd.begin(), overlap.LoopEnd.end()));
      EXPECT_GT(overlap.LoopEnd.front(), 0);
    }
  }
}

}  // namespace
