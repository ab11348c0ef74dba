// curv2d: user points to plot units on the 2D axis area, through the pending polyline.
#include "plot/axis2d/curve2d.h"

#include <cmath>

#include "plot/axis2d/axis_area_clip.h"
#include "plot/axis2d/axis_system2d.h"
#include "plot/axis2d/scaling2d.h"
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
  const AxisAreaClip clip(s);
  restart_dash_pattern(s);
  bool drawing = false;
  for (int i = 0; i < n; ++i) {
    const float px = page_x2d(s, x[i]), py = page_y2d(s, y[i]);
    if (!std::isfinite(px) || !std::isfinite(py)) {
      drawing = false;
      continue;
    }
    if (drawing) {
      connqq(s, px, py);
    } else {
      strtqq(s, px, py);
      drawing = true;
    }
  }
  qqstrk(s);
}

}  // namespace plotix
