// curv2d: user points to plot units on the 2D axis area, through the pending polyline.
#include "plot/axis2d/curve2d.h"

#include "plot/axis2d/axis_system2d.h"
#include "plot/core/warnings.h"
#include "plot/lines/polyline.h"

namespace plotix {

void curv2d(const float* x, const float* y, int n) {
  PlotState* ps = require_2d_axis_system("curv2d");
  if (ps == nullptr) return;
  PlotState& s = *ps;
  if (n <= 0) {
    warni1(s, 2, n);
    return;
  }
  const Axis2dState& a = s.axis2d;
  const CoreState& c = s.core;
  auto page_x = [&](float u) { return c.nxa + (u - a.xa) * static_cast<float>(c.nxl - 1) / (a.xe - a.xa); };
  auto page_y = [&](float v) { return c.nya - (v - a.ya) * static_cast<float>(c.nyl - 1) / (a.ye - a.ya); };
  restart_dash_pattern(s);
  strtqq(s, page_x(x[0]), page_y(y[0]));
  for (int i = 1; i < n; ++i) connqq(s, page_x(x[i]), page_y(y[i]));
  qqstrk(s);
}

}  // namespace plotix
