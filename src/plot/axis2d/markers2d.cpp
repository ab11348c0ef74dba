// Marker shapes at page and user points.
#include "plot/axis2d/markers2d.h"

#include <cmath>
#include <vector>

#include "plot/axis2d/axis_system2d.h"
#include "plot/axis2d/scaling2d.h"
#include "plot/core/levels.h"
#include "plot/lines/fills.h"
#include "plot/lines/polyline.h"

namespace plotix {

namespace {

// Corners of the polygon that stands for a circle.
constexpr int kCircleCorners = 24;

// A closed outline of `corners` points on a circle of radius r, the first at angle a0
// (degrees, counter-clockwise from +x), in page coordinates (y down).
std::vector<float> regular(int corners, float r, float a0, bool y) {
  std::vector<float> out;
  for (int k = 0; k < corners; ++k) {
    const double a = (a0 + 360.0 * k / corners) * M_PI / 180.0;
    out.push_back(static_cast<float>(r * (y ? -std::sin(a) : std::cos(a))));
  }
  return out;
}

void filled(PlotState& s, float x, float y, int corners, float r, float a0) {
  std::vector<float> xs = regular(corners, r, a0, false), ys = regular(corners, r, a0, true);
  for (std::size_t k = 0; k < xs.size(); ++k) {
    xs[k] += x;
    ys[k] += y;
  }
  dareaf(s, xs.data(), ys.data(), corners);
}

// Strokes from the centre's opposite points: `arms` lines through (x, y) at a0 + k 180/arms.
void spokes(PlotState& s, float x, float y, int arms, float r, float a0) {
  for (int k = 0; k < arms; ++k) {
    const double a = (a0 + 180.0 * k / arms) * M_PI / 180.0;
    const float dx = static_cast<float>(r * std::cos(a)), dy = static_cast<float>(r * std::sin(a));
    strtqq(s, x - dx, y + dy);
    connqq(s, x + dx, y - dy);
  }
  qqstrk(s);
}

void draw_marker(PlotState& s, MarkerShape shape, float x, float y, float size) {
  const float r = size / 2.0f;
  switch (shape) {
    case MarkerShape::circle: filled(s, x, y, kCircleCorners, 0.9f * r, 0.0f); break;
    case MarkerShape::square: filled(s, x, y, 4, 1.1f * r, 45.0f); break;
    case MarkerShape::diamond: filled(s, x, y, 4, 1.15f * r, 90.0f); break;
    case MarkerShape::triangle_up: filled(s, x, y, 3, 1.2f * r, 90.0f); break;
    case MarkerShape::triangle_down: filled(s, x, y, 3, 1.2f * r, 270.0f); break;
    case MarkerShape::ring: {
      std::vector<float> xs = regular(kCircleCorners, 0.85f * r, 0.0f, false);
      std::vector<float> ys = regular(kCircleCorners, 0.85f * r, 0.0f, true);
      strtqq(s, x + xs[0], y + ys[0]);
      for (int k = 1; k <= kCircleCorners; ++k) connqq(s, x + xs[k % kCircleCorners], y + ys[k % kCircleCorners]);
      qqstrk(s);
      break;
    }
    case MarkerShape::plus: spokes(s, x, y, 2, r, 0.0f); break;
    case MarkerShape::cross: spokes(s, x, y, 2, r, 45.0f); break;
    case MarkerShape::star: spokes(s, x, y, 3, r, 90.0f); break;
  }
}

}  // namespace

void marker(MarkerShape shape, float x, float y, float size) {
  PlotState* s = jqqlev(1, 3, "marker");
  if (s == nullptr) return;
  draw_marker(*s, shape, x, y, size);
}

void marker2d(MarkerShape shape, float x, float y, float size) {
  PlotState* ps = require_2d_axis_system("marker2d");
  if (ps == nullptr) return;
  PlotState& s = *ps;
  const float px = page_x2d(s, x), py = page_y2d(s, y);
  const CoreState& c = s.core;
  if (!(px >= c.nxa && px <= c.nxa + c.nxl - 1 && py <= c.nya && py >= c.nya - c.nyl + 1)) return;
  draw_marker(s, shape, px, py, size);
}

}  // namespace plotix
