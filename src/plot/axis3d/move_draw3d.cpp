// 3D move/draw with clipping at the box (mode 0), at the view volume (mode 1)
// or none (mode 2).
#include "plot/axis3d/move_draw3d.h"

#include "plot/axis3d/clip3d.h"
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

}  // namespace

void qqst3d(PlotState& s, const Point3& a) {
  switch (s.axis3d.iclp3) {
    case kClipBox: {
      const bool out = chkvl3(s.axis3d.ax3len, a) > 0;
      if (!out) start_at(s, abs3pt(s, a));
      remember(s, a, out);
      break;
    }
    case kClipViewVolume: {
      const Homog4 h = qqgsc3(s, a);
      const bool out = !inside_view_volume(h);
      if (!out) start_at(s, homog_to_page(s, h));
      remember(s, a, out);
      break;
    }
    default:
      start_at(s, abs3pt(s, a));
      remember(s, a, false);
  }
}

void qqcn3d(PlotState& s, const Point3& a) {
  const bool was_out = s.axis3d.iout3 != 0;
  switch (s.axis3d.iclp3) {
    case kClipBox: {
      const bool out = chkvl3(s.axis3d.ax3len, a) > 0;
      if (!was_out && !out) {
        draw_to(s, abs3pt(s, a));
      } else {
        Point3 p1 = current(s), p2 = a;
        if (qqclp1(s.axis3d.ax3len, p1, p2)) {
          if (was_out) start_at(s, abs3pt(s, p1));
          draw_to(s, abs3pt(s, p2));
        }
      }
      remember(s, a, out);
      break;
    }
    case kClipViewVolume: {
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
      break;
    }
    default:
      draw_to(s, abs3pt(s, a));
      remember(s, a, false);
  }
}

}  // namespace plotix
