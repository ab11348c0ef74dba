// Emulated line widths (see thick_lines.h). Each outline is a closed path at one
// half-width around the polyline: the left side forward, the end cap, the right
// side backward, the start cap. Joins are mitred within the miter limit when
// ilinjoin is 0 and cut otherwise; ilincap 1 gives round caps, 2 extends the ends
// by the half-width, 0 ends them square at the end points.
#include "plot/lines/thick_lines.h"

#include <cmath>

#include "plot/lines/clipping.h"

namespace plotix {
namespace {

constexpr int kCapSteps = 8;  // chords of a round cap

struct Vec {
  float x, y;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(float k, Vec a) { return {k * a.x, k * a.y}; }
float dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }

// Unit direction of a segment and its normal (to the left in page coordinates).
Vec unit(Vec a, Vec b) {
  Vec d = b - a;
  float length = std::sqrt(dot(d, d));
  return (1.0f / length) * d;
}
Vec normal(Vec d) { return {-d.y, d.x}; }

// Where the left side of the outline along p starts (the cap extension included).
Vec side_start(const PlotState& st, const Vec* p, float h) {
  Vec d0 = unit(p[0], p[1]);
  Vec start = p[0] + h * normal(d0);
  return st.line.ilincap == 2 ? start - h * d0 : start;
}

// One side of the outline along points p[0..n-1] (distinct neighbours), at
// half-width h, after its start point: the joins, then the cap around p[n-1]
// ending where the other side starts.
void side_and_cap(const PlotState& st, PathStroker& path, const Vec* p, int n, float h) {
  const LineState& ln = st.line;
  for (int i = 1; i + 1 < n; ++i) {
    Vec n1 = normal(unit(p[i - 1], p[i]));
    Vec n2 = normal(unit(p[i], p[i + 1]));
    float cosine = dot(n1, n2);
    Vec miter_dir = n1 + n2;
    float miter = 1.0f + cosine > 1.0e-6f ? std::sqrt(dot(miter_dir, miter_dir)) / (1.0f + cosine)
                                          : 0.0f;
    if (ln.ilinjoin == 0 && miter > 0.0f && miter < ln.xmiter) {
      Vec m = p[i] + (h / (1.0f + cosine)) * miter_dir;
      path.point(m.x, m.y);
    } else {
      Vec a = p[i] + h * n1;
      Vec c = p[i] + h * n2;
      path.point(a.x, a.y);
      path.point(c.x, c.y);
    }
  }
  Vec d = unit(p[n - 2], p[n - 1]);
  Vec nn = normal(d);
  Vec end = p[n - 1];
  if (ln.ilincap == 2) end = end + h * d;
  Vec left = end + h * nn;
  path.point(left.x, left.y);
  if (ln.ilincap == 1) {
    for (int k = 1; k < kCapSteps; ++k) {
      float t = 3.1415927f * static_cast<float>(k) / static_cast<float>(kCapSteps);
      Vec q = end + h * (std::cos(t) * nn + std::sin(t) * d);
      path.point(q.x, q.y);
    }
  }
  Vec right = end - h * nn;
  path.point(right.x, right.y);
}

}  // namespace

void draw_thick_line(PlotState& st) {
  const LineState& ln = st.line;
  const int b = static_cast<int>(static_cast<float>(ln.nlinwid) * st.page.xunit + 0.5f);
  if (b <= 1) return;
  // The polyline without repeated points, forward and backward.
  Vec forward[kMaxPolyline];
  int n = 0;
  for (int i = 0; i < ln.npoly; ++i) {
    Vec v{ln.xpoly[i], ln.ypoly[i]};
    if (n == 0 || v.x != forward[n - 1].x || v.y != forward[n - 1].y) forward[n++] = v;
  }
  if (n < 2) return;
  Vec backward[kMaxPolyline];
  for (int i = 0; i < n; ++i) backward[i] = forward[n - 1 - i];

  const int outlines = (b + 1) / 3;
  for (int j = 1; j <= outlines; ++j) {
    float half = j == outlines ? static_cast<float>(b) / 2.0f : 1.5f * static_cast<float>(j);
    half /= st.page.xunit;
    PathStroker path(st);
    Vec start = side_start(st, forward, half);
    path.point(start.x, start.y);
    side_and_cap(st, path, forward, n, half);
    side_and_cap(st, path, backward, n, half);  // ends back at the start
  }
}

}  // namespace plotix
