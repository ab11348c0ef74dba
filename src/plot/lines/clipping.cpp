// The clipping window: the inside test jqqclp, segment clipping clip2d, and the
// clipped hand-over of a path (PathStroker).
#include <cmath>

#include "plot/lines/clipping.h"
#include "plot/lines/device_dispatch.h"

namespace plotix {
namespace {

// Points on the window border (within this tolerance) count as inside.
constexpr float kTolerance = 0.001f;
// Below this a segment counts as parallel to a border.
constexpr float kParallel = 1.0e-35f;

// 1 before the lower border, 3 beyond the upper one, 2 between.
int zone(float v, int low, int high) {
  if (v < static_cast<float>(low) - kTolerance) return 1;
  if (v > static_cast<float>(high) + kTolerance) return 3;
  return 2;
}

// Coordinate on the line through (a1, b1), (a2, b2) where the other coordinate is a.
float along(float a, float a1, float b1, float a2, float b2, float kept) {
  if (std::fabs(a2 - a1) < kParallel) return kept;
  return b1 + (b2 - b1) * (a - a1) / (a2 - a1);
}

}  // namespace

int jqqclp(const PlotState& st, float x, float y) {
  const LineState& ln = st.line;
  return zone(x, ln.nclpx1, ln.nclpx2) == 2 && zone(y, ln.nclpy1, ln.nclpy2) == 2 ? 1 : 0;
}

void clip2d(PlotState& st, float x1, float y1, float x2, float y2) {
  const LineState& ln = st.line;
  bool first_replaced = false;
  // Each round moves one end point onto one border, so four rounds per end suffice.
  for (int round = 0; round < 8; ++round) {
    const int cx1 = zone(x1, ln.nclpx1, ln.nclpx2);
    const int cy1 = zone(y1, ln.nclpy1, ln.nclpy2);
    const int cx2 = zone(x2, ln.nclpx1, ln.nclpx2);
    const int cy2 = zone(y2, ln.nclpy1, ln.nclpy2);
    const bool first_inside = cx1 == 2 && cy1 == 2;
    if (first_inside && cx2 == 2 && cy2 == 2) {
      if (first_replaced) xjdraw(st, x1, y1, kCodeMove);
      xjdraw(st, x2, y2, kCodeDraw);
      return;
    }
    if ((cx1 == cx2 && cx1 != 2) || (cy1 == cy2 && cy1 != 2)) return;
    const int cx = first_inside ? cx2 : cx1;
    const int cy = first_inside ? cy2 : cy1;
    float xi = first_inside ? x2 : x1;
    float yi = first_inside ? y2 : y1;
    if (cx == 1 || cx == 3) {
      xi = static_cast<float>(cx == 1 ? ln.nclpx1 : ln.nclpx2);
      yi = along(xi, x1, y1, x2, y2, yi);
    } else if (cy == 1 || cy == 3) {
      yi = static_cast<float>(cy == 1 ? ln.nclpy1 : ln.nclpy2);
      xi = along(yi, y1, x1, y2, x2, xi);
    }
    if (first_inside) {
      x2 = xi;
      y2 = yi;
    } else {
      x1 = xi;
      y1 = yi;
      first_replaced = true;
    }
  }
}

void PathStroker::point(float x, float y) {
  const bool inside = jqqclp(st_, x, y) == 1;
  if (!started_) {
    if (inside) xjdraw(st_, x, y, kCodeMove);
    started_ = true;
  } else if (previous_inside_ && inside) {
    xjdraw(st_, x, y, kCodeDraw);
  } else {
    clip2d(st_, px_, py_, x, y);
  }
  px_ = x;
  py_ = y;
  previous_inside_ = inside;
}

}  // namespace plotix
