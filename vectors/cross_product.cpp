// Two vectors A = P1 - P0 and B = P2 - P0 with their cross and scalar
// products: the parallelograms spanned by A, B and their quarter turns, the
// perpendicular from each end onto the other vector's line, and the values.
// Drag P0, P1 or P2 with the left button; any key ends the program.
#include <cmath>

#include "demo_frame.h"

namespace {

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(double k, Point a) { return {k * a.x, k * a.y}; }

// The quarter turn (-v.y, v.x): clockwise on the screen, same length.
Point r(Point v) { return {-v.y, v.x}; }

double length(Point v) { return std::sqrt(v.x * v.x + v.y * v.y); }

void move_to(Point p) { MoveTo(to_pixel(p.x), to_pixel(p.y)); }
void line_to(Point p) { LineTo(to_pixel(p.x), to_pixel(p.y)); }
void line(Point a, Point b) { Line(to_pixel(a.x), to_pixel(a.y), to_pixel(b.x), to_pixel(b.y)); }

}  // namespace

int main() {
  open_demo_window("PRODUS VECTORIAL");
  std::int16_t page = 0;
  Point P[3];
  P[0].x = 0.7 * GetMaxX();
  P[0].y = 0.5 * GetMaxY();
  P[1].x = 0.7 * GetMaxX();
  P[1].y = 0.3 * GetMaxY();
  P[2].x = 0.85 * GetMaxX();
  P[2].y = 0.25 * GetMaxY();
  Point& P0 = P[0];
  Point& P1 = P[1];
  Point& P2 = P[2];
  SetTextStyle(ArialFont, 0, 2);
  SetTextJustify(1, 1);
  std::int32_t previous_buttons = 0;
  std::int32_t selected = 0;

  do {
    MouseState mouse = sample_mouse();
    flip_pages(page);
    pick_nearest_on_press(P, 3, mouse, previous_buttons, selected);
    const Point A = P1 - P0;
    const Point B = P2 - P0;

    // The sixteen-sided outline of the parallelograms around P0.
    SetColor(Gray);
    move_to(P0 + A);
    const Point outline[16] = {
        P0 + A + B,       P0 + B,    P0 + r(A) + B, P0 + r(A), P0 + r(A) + r(B), P0 + r(B),
        P0 - A + r(B),    P0 - A,    P0 - A - B,    P0 - B,    P0 - r(A) - B,    P0 - r(A),
        P0 - r(A) - r(B), P0 - r(B), P0 + A - r(B), P0 + A,
    };
    for (const Point& corner : outline) line_to(corner);

    // Each vector's line behind P0 and its perpendicular through P0.
    for (int i = 1; i <= 2; ++i) {
      const Point d = P[i] - P0;
      line(P0, P0 - d);
      line(P0 + r(d), P0 - r(d));
    }

    const double dot = A.x * B.x + A.y * B.y;
    const double cross = A.x * B.y - A.y * B.x;

    // The perpendicular from each end point onto the other vector's line,
    // with a right-angle mark at its foot. With P1 or P2 on P0 there is no
    // foot, and with the three points on one line no mark: both are left out
    // for that frame.
    SetColor(LightBlue);
    Point F{};
    for (int i = 1; i <= 2; ++i) {
      const Point V = i == 1 ? A : B;
      const Point Q = i == 1 ? P2 : P1;
      const double norm2 = V.x * V.x + V.y * V.y;
      if (norm2 == 0) continue;
      const double t = dot / norm2;
      F = P0 + t * V;
      move_to(Q);
      line_to(F);
      line_to(P[i]);
      const Point u = Q - F;
      const double u_length = length(u);
      if (u_length == 0) continue;
      const double s = 10 / u_length;
      const double s2 = ((i == 2) != (dot < 0)) ? -s : s;
      move_to(F + s * u);
      line_to(F + s * u + s2 * r(u));
      line_to(F + s2 * r(u));
    }

    // The two arrows with their labels.
    SetColor(LightRed);
    for (int i = 1; i <= 2; ++i) {
      const Point d = P[i] - P0;
      const double d_length = length(d);
      const double k = d_length > 0 ? 8 / d_length : 1;
      for (double j = -k; j <= k; j += k) {
        move_to(P[i] - k * d + j * r(d));
        line_to(P[i]);
      }
      line_to(P0);
      OutTextXY(to_pixel(P[i].x + k * d.x - 3), to_pixel(P[i].y + k * d.y - 4), i == 1 ? "A" : "B");
    }

    OutTextXY(to_pixel((P1.x + P2.x) / 2 - 52), to_pixel((P1.y + P2.y) / 2 - 12),
              value_text("|A X B| = ", cross, 3, 3));
    OutTextXY(to_pixel(F.x - 20), to_pixel(F.y - 12), value_text("A * B = ", dot, 3, 3));
  } while (!KeyPressed());

  CloseGraph();
  return 0;
}
