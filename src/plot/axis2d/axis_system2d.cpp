// graf2d: the scaling of a 2D axis system and its labelled axes, drawn by the axis
// machinery of the 3D labelling straight onto the page.
#include "plot/axis2d/axis_system2d.h"

#include <cmath>

#include "plot/axis3d/draw_axis.h"
#include "plot/core/levels.h"
#include "plot/core/warnings.h"
#include "plot/lines/polyline.h"

namespace plotix {

namespace {

// Warning 10 for a range of no length, 9 for a zero step; false when either.
bool usable(PlotState& s, float start, float end, float step) {
  bool ok = true;
  if (std::fabs(end - start) < s.core.eps) {
    warnin(s, 10);
    ok = false;
  }
  if (std::fabs(step) < s.core.eps) {
    warnin(s, 9);
    ok = false;
  }
  return ok;
}

}  // namespace

void graf2d(float xa, float xe, float xo, float xstep, float ya, float ye, float yo, float ystep) {
  PlotState* ps = jqqlev(1, 1, "graf2d");
  if (ps == nullptr) return;
  PlotState& s = *ps;
  const bool x_ok = usable(s, xa, xe, xstep);
  if (!usable(s, ya, ye, ystep) || !x_ok) return;
  s.core.level = 2;
  s.axis3d.iaxsys = kAxisSystem2d;
  s.axis2d = {xa, xe, ya, ye};

  const int nhchar = s.text.nhchar, nhname = s.axis3d.nhname;
  s.text.nhchar = static_cast<int>(1.5f * nhchar);
  s.axis3d.nhname = static_cast<int>(1.5f * nhname);
  const CoreState& c = s.core;
  draw_axis(s, {kHorizontalSlot, xa, xe, xo, xstep, s.axis3d.cxname, false, c.nxa, c.nya});
  draw_axis(s, {kVerticalSlot, ya, ye, yo, ystep, s.axis3d.cyname, false, c.nxa, c.nya});
  s.text.nhchar = nhchar;
  s.axis3d.nhname = nhname;
  const float left = static_cast<float>(c.nxa), right = static_cast<float>(c.nxa + c.nxl - 1);
  const float top = static_cast<float>(c.nya - c.nyl + 1), bottom = static_cast<float>(c.nya);
  strtqq(s, left, top);
  connqq(s, right, top);
  connqq(s, right, bottom);
}

PlotState* require_2d_axis_system(const char* routine) {
  PlotState* s = jqqlev(2, 2, routine);
  if (s == nullptr) return nullptr;
  if (s->axis3d.iaxsys != kAxisSystem2d) {
    warnin(*s, 35);
    return nullptr;
  }
  return s;
}

}  // namespace plotix
