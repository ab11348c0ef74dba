// graf2d: the scaling of a 2D axis system and its labelled axes.
#include "plot/axis2d/axis_system2d.h"

#include <cmath>

#include "plot/axis2d/axis_line2d.h"
#include "plot/axis2d/scaling2d.h"
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

// What an axis of graf2d shows: its numbers, or the given texts at their places.
AxisMarks marks_of(const PlotState& s, int axis, float start, float end, float first, float step) {
  AxisMarks marks{start, end, first, step, s.axis2d.log[axis], {}, axis == kAxisY};
  for (float value : s.axis2d.given[axis].values) marks.texts.values.push_back(axis_units(s, axis, value));
  marks.texts.texts = s.axis2d.given[axis].texts;
  return marks;
}

// The top and right edges of the axis area; with `all`, the bottom and left ones too.
void draw_edges(PlotState& s, bool all) {
  const CoreState& c = s.core;
  const float left = static_cast<float>(c.nxa), right = static_cast<float>(c.nxa + c.nxl - 1);
  const float top = static_cast<float>(c.nya - c.nyl + 1), bottom = static_cast<float>(c.nya);
  strtqq(s, left, top);
  connqq(s, right, top);
  connqq(s, right, bottom);
  if (all) {
    connqq(s, left, bottom);
    connqq(s, left, top);
  }
  qqstrk(s);
}

}  // namespace

AxisLabelHeights::AxisLabelHeights(PlotState& s) : s_(s), nhchar_(s.text.nhchar), nhname_(s.axis3d.nhname) {
  s.text.nhchar = static_cast<int>(1.5f * static_cast<float>(nhchar_));
  s.axis3d.nhname = static_cast<int>(1.5f * static_cast<float>(nhname_));
}

AxisLabelHeights::~AxisLabelHeights() {
  s_.text.nhchar = nhchar_;
  s_.axis3d.nhname = nhname_;
}

void graf2d(float xa, float xe, float xo, float xstep, float ya, float ye, float yo, float ystep) {
  PlotState* ps = jqqlev(1, 1, "graf2d");
  if (ps == nullptr) return;
  PlotState& s = *ps;
  const bool x_ok = usable(s, xa, xe, xstep);
  if (!usable(s, ya, ye, ystep) || !x_ok) return;
  s.core.level = 2;
  s.axis3d.iaxsys = kAxisSystem2d;
  s.axis2d.xa = xa;
  s.axis2d.xe = xe;
  s.axis2d.ya = ya;
  s.axis2d.ye = ye;
  {
    const AxisLabelHeights heights(s);
    draw_axis2d(s, AxisEdge::bottom, marks_of(s, kAxisX, xa, xe, xo, xstep), s.axis3d.slot[0], s.axis3d.cxname);
    draw_axis2d(s, AxisEdge::left, marks_of(s, kAxisY, ya, ye, yo, ystep), s.axis3d.slot[1], s.axis3d.cyname);
  }
  s.axis2d.given[kAxisX] = {};
  s.axis2d.given[kAxisY] = {};
  draw_edges(s, false);
}

void frame2d() {
  PlotState* ps = require_2d_axis_system("frame2d");
  if (ps == nullptr) return;
  draw_edges(*ps, true);
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
