// The right-hand y axis in a second unit.
#include "plot/axis2d/right_axis2d.h"

#include <cmath>

#include "plot/axis2d/axis_labels2d.h"
#include "plot/axis2d/axis_line2d.h"
#include "plot/axis2d/axis_system2d.h"
#include "plot/axis2d/number_spacing2d.h"
#include "plot/axis2d/scaling2d.h"
#include "plot/core/warnings.h"
#include "plot/lines/polyline.h"

namespace plotix {

void right_axis2d(float factor, std::string_view name) {
  PlotState* ps = require_2d_axis_system("right_axis2d");
  if (ps == nullptr) return;
  PlotState& s = *ps;
  if (!(factor > 0.0f)) {
    warnin(s, 2);
    return;
  }
  const Axis2dState& a = s.axis2d;
  const bool log = a.log[kAxisY];
  AxisMarks marks{a.ya, a.ye, 0.0f, 1.0f, log, {}, true};
  if (log) {
    marks.start += std::log10(factor);
    marks.end += std::log10(factor);
  } else {
    marks.start *= factor;
    marks.end *= factor;
    marks.step = spaced_step(s, kAxisY, marks.start, marks.end);
  }
  qqstrk(s);
  const AxisLabelHeights heights(s);
  draw_axis2d(s, AxisEdge::right, marks, s.axis3d.slot[kAxisY], name);
  qqstrk(s);
}

}  // namespace plotix
