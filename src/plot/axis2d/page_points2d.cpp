// Page points of user points, and the axis area.
#include "plot/axis2d/page_points2d.h"

#include "plot/axis2d/axis_system2d.h"
#include "plot/axis2d/scaling2d.h"
#include "plot/core/levels.h"

namespace plotix {

void user_to_page2d(float x, float y, float& px, float& py) {
  px = 0.0f;
  py = 0.0f;
  const PlotState* s = require_2d_axis_system("user_to_page2d");
  if (s == nullptr) return;
  px = page_x2d(*s, x);
  py = page_y2d(*s, y);
}

void axis_area2d(int& x, int& y, int& width, int& height) {
  const PlotState* s = chkini("axis_area2d");
  if (s == nullptr) return;
  x = s->core.nxa;
  y = s->core.nya;
  width = s->core.nxl;
  height = s->core.nyl;
}

}  // namespace plotix
