// 3D move/draw with clipping at the box (mode 0), at the view volume (mode 1)
// or none (mode 2). Modes 0 and 2 also cut at the camera's frustum, so nothing
// behind the viewer is drawn.
#include "plot/axis3d/move_draw3d.h"

#include "plot/axis3d/clip3d.h"
#include "plot/axis3d/view_frustum.h"
#include "plot/lines/polyline.h"

namespace plotix {

namespace {

void start_at(PlotState& s, const PagePoint& p) { strtqq(s, p.x, p.y); }
void draw_to(PlotState& s, const PagePoint& p) { connqq(s, p.x, p.y); }

Point3 current(const PlotState& s) {
  return {s.axis3d.cur3[0], s.axis3d.cur3[1], s.axis3d.cur3[2]};
}

void remember(PlotState& s, const Point3& a, bool out) {
  for (int k = 0; k < 3; ++k) s.axis3d.cur3[k] = a[k];
  s.axis3d.iout3 = out ? 1 : 0;
}

// Outside the drawn region of modes 0 (box and frustum) and 2 (frustum).
bool outside_region(const PlotState& s, const Point3& a) {
  if (s.axis3d.iclp3 == kClipBox && chkvl3(s.axis3d.ax3len, a) > 0) return true;
  return !inside_frustum(s, a);
}

}  // namespace

void qqst3d(PlotState& s, const Point3& a) {
  if (s.axis3d.iclp3 == kClipViewVolume) {
    const Homog4 h = qqgsc3(s, a);
    const bool out = !inside_view_volume(h);
    if (!out) start_at(s, homog_to_page(s, h));
    remember(s, a, out);
    return;
  }
  const bool out = outside_region(s, a);
  if (!out) start_at(s, abs3pt(s, a));
  remember(s, a, out);
}

void qqcn3d(PlotState& s, const Point3& a) {
  const bool was_out = s.axis3d.iout3 != 0;
  if (s.axis3d.iclp3 == kClipViewVolume) {
    Homog4 h2 = qqgsc3(s, a);
    const bool out = !inside_view_volume(h2);
    if (!was_out && !out) {
      draw_to(s, homog_to_page(s, h2));
    } else {
      Homog4 h1 = qqgsc3(s, current(s));
      if (qqclp3(h1, h2)) {
        if (was_out) start_at(s, homog_to_page(s, h1));
        draw_to(s, homog_to_page(s, h2));
      }
    }
    remember(s, a, out);
    return;
  }
  const bool out = outside_region(s, a);
  if (!was_out && !out) {
    draw_to(s, abs3pt(s, a));
  } else {
    Point3 p1 = current(s), p2 = a;
    const bool in_box = s.axis3d.iclp3 != kClipBox || qqclp1(s.axis3d.ax3len, p1, p2);
    if (in_box && clip_to_frustum(s, p1, p2)) {
      if (was_out) start_at(s, abs3pt(s, p1));
      draw_to(s, abs3pt(s, p2));
    }
  }
  remember(s, a, out);
}

}  // namespace plotix
