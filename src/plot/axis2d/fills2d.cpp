// Filled rectangles in user and page coordinates.
#include "plot/axis2d/fills2d.h"

#include "plot/axis2d/axis_area_clip.h"
#include "plot/axis2d/axis_system2d.h"
#include "plot/axis2d/scaling2d.h"
#include "plot/core/levels.h"
#include "plot/lines/fills.h"

namespace plotix {

void shade2d(float x1, float y1, float x2, float y2) {
  PlotState* ps = require_2d_axis_system("shade2d");
  if (ps == nullptr) return;
  PlotState& s = *ps;
  const AxisAreaClip clip(s);
  dbox(s, page_x2d(s, x1), page_y2d(s, y1), page_x2d(s, x2), page_y2d(s, y2), s.line.ncolor);
}

void box_fill(float x1, float y1, float x2, float y2) {
  PlotState* s = jqqlev(1, 3, "box_fill");
  if (s == nullptr) return;
  dbox(*s, x1, y1, x2, y2, s->line.ncolor);
}

}  // namespace plotix
