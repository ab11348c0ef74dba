// graf3d: checks and stores the scaling of a 3D axis system, turns the view
// data into absolute coordinates (svuabs), builds the viewing matrix and draws
// the labelled axes.
#include <algorithm>
#include <cmath>

#include "plot/axis3d/axis_labels3d.h"
#include "plot/axis3d/label_fit.h"
#include "plot/core/levels.h"
#include "plot/axis3d/axis_system.h"
#include "plot/axis3d/projection3d.h"
#include "plot/axis3d/upright_labels.h"
#include "plot/axis3d/view_frustum.h"
#include "plot/core/warnings.h"

namespace plotix {

namespace {

struct AxisArgs {
  float start, end, first, step;
};

// Reports every problem of one axis; false when the scaling is unusable.
bool check_axis(PlotState& s, const AxisArgs& a) {
  bool usable = true;
  if (std::fabs(a.end - a.start) < s.core.eps) {
    warnin(s, 10);
    usable = false;
  }
  if (std::fabs(a.step) < s.core.eps) {
    warnin(s, 9);
    usable = false;
  }
  if (a.end > a.start) {
    if (a.first < a.start || a.first > a.end) warnin(s, 12);
    if (a.step < 0) warnin(s, 50);
  } else if (a.end < a.start) {
    if (a.first < a.end || a.first > a.start) warnin(s, 12);
    if (a.step > 0) warnin(s, 50);
  }
  return usable;
}

// Linear user-to-absolute conversion of view data (no logarithm).
void user_to_abs(const PlotState& s, float p[3]) {
  for (int j = 0; j < 3; ++j) {
    const float len = s.axis3d.ax3len[j];
    const float start = axis_start(s, j);
    p[j] = (p[j] - start) * len / (axis_end(s, j) - start) - len / 2;
  }
}

// Turns USER and ANGL view data into absolute coordinates and replaces a
// viewpoint at the focus (no line of sight) by the default one.
void svuabs(PlotState& s) {
  Axis3dState& a = s.axis3d;
  if (a.ifoc3 == 0) {
    std::fill(a.foc3, a.foc3 + 3, 0.0f);
  } else if (a.ifoc3 == 2) {
    user_to_abs(s, a.foc3);
    a.ifoc3 = 1;
  }

  if (a.iview3 == ViewPointKind::user) {
    user_to_abs(s, a.view3);
    a.iview3 = ViewPointKind::absolute;
  } else if (a.iview3 == ViewPointKind::angles) {
    const float theta = a.view3[0] * s.core.fpi, phi = a.view3[1] * s.core.fpi, r = a.view3[2];
    a.view3[0] = r * std::cos(phi) * std::sin(theta);
    a.view3[1] = r * std::cos(phi) * std::cos(theta);
    a.view3[2] = r * std::sin(phi);
    a.iview3 = ViewPointKind::absolute;
  }
  if (a.iview3 != ViewPointKind::unset) {
    // Anywhere but the focus itself gives a line of sight; a viewpoint inside
    // the box shows what lies in front of it, the near plane cutting the rest.
    bool at_focus = true;
    for (int j = 0; j < 3; ++j) at_focus = at_focus && a.view3[j] == a.foc3[j];
    if (!at_focus) return;
    warnin(s, 33);
    a.iview3 = ViewPointKind::unset;
  }
  a.view3[0] = 2.0f * a.ax3len[0];
  a.view3[1] = -2.5f * a.ax3len[1];
  a.view3[2] = 2.0f * a.ax3len[2];
}

}  // namespace

void graf3d(float xa, float xe, float xo, float xstep, float ya, float ye, float yo,
            float ystep, float za, float ze, float zo, float zstep) {
  PlotState* ps = jqqlev(1, 1, "graf3d");
  if (ps == nullptr) return;
  PlotState& s = *ps;
  const AxisArgs axes[3] = {{xa, xe, xo, xstep}, {ya, ye, yo, ystep}, {za, ze, zo, zstep}};
  bool usable = true;
  for (const AxisArgs& a : axes) usable = check_axis(s, a) && usable;
  if (!usable) return;

  Axis3dState& a = s.axis3d;
  a.xor3 = xo;
  a.xstp3 = xstep;
  a.yor3 = yo;
  a.ystp3 = ystep;
  a.zor3 = zo;
  a.zstp3 = zstep;
  s.core.level = 3;
  a.iaxsys = 3;
  for (int j = 0; j < 3; ++j) a.ilog3[j] = a.slot[j].ilog;

  const CoreState& c = s.core;
  a.xcen3 = c.nxa + c.nxl / 2.0f;
  a.ycen3 = c.nya - c.nyl / 2.0f;
  a.scl3 = std::min(c.nxl, c.nyl) / 2.0f;

  a.xa3 = xa;
  a.xe3 = xe;
  a.ya3 = ya;
  a.ye3 = ye;
  a.za3 = za;
  a.ze3 = ze;
  for (int j = 0; j < 3; ++j) {
    float lo = axes[j].start, hi = axes[j].end;
    if (a.ilog3[j]) {
      lo = std::pow(10.0f, lo);
      hi = std::pow(10.0f, hi);
    }
    a.rng3[2 * j] = std::min(lo, hi);
    a.rng3[2 * j + 1] = std::max(lo, hi);
  }

  svuabs(s);
  if (a.upright3) keep_box_in_front(s);
  qqgmat(s);

  if (a.upright3) {
    const UprightLabels labels = fit_upright_labels(s);
    set_view_frustum(s);
    if (!a.skip_axes3) draw_upright_labels(s, labels);
    return;
  }
  // The axes are labelled in 1.5 times the character and name heights.
  const int nhchar = s.text.nhchar, nhname = a.nhname;
  s.text.nhchar = static_cast<int>(1.5f * nhchar);
  a.nhname = static_cast<int>(1.5f * nhname);
  fit_labels_on_page(s);
  set_view_frustum(s);
  if (!a.skip_axes3) label_axes3d(s);
  s.text.nhchar = nhchar;
  a.nhname = nhname;
}

}  // namespace plotix
