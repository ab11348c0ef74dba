// Filled triangles, polygons and rectangles (see fills.h).
#include "plot/lines/fills.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "plot/lines/colours.h"
#include "plot/lines/clipping.h"
#include "plot/lines/device_dispatch.h"
#include "plot/lines/hatch_fill.h"
#include "plot/lines/polyline.h"
#include "plot/core/output_format.h"

namespace plotix {
namespace {

// -1 below the lower bound, +1 above the upper one, 0 between.
int side(float v, int low, int high) {
  if (v < static_cast<float>(low)) return -1;
  if (v > static_cast<float>(high)) return 1;
  return 0;
}

// True when every corner is a finite point. A shape with a corner that is not a number
// or infinite (an observer far out, a broken projection) is dropped whole, as the line
// pipeline drops such points: no device is handed a coordinate it cannot map.
bool all_finite(const float* xs, const float* ys, int n) {
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(xs[i]) || !std::isfinite(ys[i])) return false;
  }
  return true;
}

}  // namespace

void qqftri(PlotState& st, const float xs[3], const float ys[3], int value) {
  if (!all_finite(xs, ys, 3)) return;
  const LineState& ln = st.line;
  float x[3];
  float y[3];
  int cx[3];
  int cy[3];
  bool outside = false;
  for (int i = 0; i < 3; ++i) {
    x[i] = xs[i] + static_cast<float>(ln.nxorg);
    y[i] = ys[i] + static_cast<float>(ln.nyorg);
    cx[i] = side(x[i], ln.nclpx1, ln.nclpx2);
    cy[i] = side(y[i], ln.nclpy1, ln.nclpy2);
    outside = outside || cx[i] != 0 || cy[i] != 0;
  }
  const int idev = st.page.idev;
  if (outside) {
    const bool beyond_x = cx[0] != 0 && cx[0] == cx[1] && cx[1] == cx[2];
    const bool beyond_y = cy[0] != 0 && cy[0] == cy[1] && cy[1] == cy[2];
    if (beyond_x || beyond_y) return;
    qqsclr(st, value);
    dareaf(st, xs, ys, 3);
    if (is_screen_or_terminal(idev) || is_raster(idev)) qqstrk(st);
    return;
  }
  if (is_screen_or_terminal(idev) || is_raster(idev) || is_ps_or_pdf(idev)) {
    qqstrk(st);
    if (is_postscript(idev)) qqsclr(st, value);
    double dx[3];
    double dy[3];
    for (int i = 0; i < 3; ++i) to_device_coordinates(st, x[i], y[i], dx[i], dy[i]);
    int r = 0;
    int g = 0;
    int b = 0;
    colour_rgb(st, value, r, g, b);
    st.page.device->fill_triangle(dx, dy, value, r, g, b);
    return;
  }
  qqsclr(st, value);
  dareaf(st, xs, ys, 3);
}

void dareaf(PlotState& st, const float* xs, const float* ys, int n) {
  qqstrk(st);
  if (n < 3 || !all_finite(xs, ys, n)) return;
  std::vector<float> x(static_cast<std::size_t>(n));
  std::vector<float> y(static_cast<std::size_t>(n));
  bool inside = true;
  for (int i = 0; i < n; ++i) {
    x[i] = xs[i] + static_cast<float>(st.line.nxorg);
    y[i] = ys[i] + static_cast<float>(st.line.nyorg);
    inside = inside && jqqclp(st, x[i], y[i]) == 1;
  }
  const int idev = st.page.idev;
  if (!inside || is_raster(idev)) {
    hatch_fill(st, x.data(), y.data(), n);
    return;
  }
  if (is_pdf(idev)) {
    xjdraw(st, x[0], y[0], kCodeMove);
    for (int i = 1; i < n; ++i) xjdraw(st, x[i], y[i], kCodeDraw);
    xjdraw(st, x[0], y[0], kCodeCloseFill);
    return;
  }
  devices::Device* device = st.page.device.get();
  device->begin_polygon(n);
  for (int i = 0; i < n; ++i) {
    double dx = 0.0;
    double dy = 0.0;
    to_device_coordinates(st, x[i], y[i], dx, dy);
    device->polygon_point(dx, dy);
  }
  device->end_polygon();
}

void dbox(PlotState& st, float x1, float y1, float x2, float y2, int value) {
  qqstrk(st);
  const float xs[2] = {x1, x2};
  const float ys[2] = {y1, y2};
  if (!all_finite(xs, ys, 2)) return;
  const LineState& ln = st.line;
  // The rectangle is cut to the clipping window, like every line, so no device
  // is asked to fill outside its page.
  const float left = std::max(std::min(x1, x2) + static_cast<float>(ln.nxorg), static_cast<float>(ln.nclpx1));
  const float right = std::min(std::max(x1, x2) + static_cast<float>(ln.nxorg), static_cast<float>(ln.nclpx2));
  const float top = std::max(std::min(y1, y2) + static_cast<float>(ln.nyorg), static_cast<float>(ln.nclpy1));
  const float bottom = std::min(std::max(y1, y2) + static_cast<float>(ln.nyorg), static_cast<float>(ln.nclpy2));
  if (left > right || top > bottom) return;
  double dx1 = 0.0, dy1 = 0.0, dx2 = 0.0, dy2 = 0.0;
  to_device_coordinates(st, left, top, dx1, dy1);
  to_device_coordinates(st, right, bottom, dx2, dy2);
  int r = 0;
  int g = 0;
  int b = 0;
  colour_rgb(st, value, r, g, b);
  st.page.device->fill_rectangle(dx1, dy1, dx2, dy2, value, r, g, b);
}

}  // namespace plotix
