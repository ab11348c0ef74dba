// The 2D-on-plane mapping used to draw axes onto the faces of the 3D box.
#include "plot/axis3d/plane3d.h"

#include <limits>

#include "plot/axis3d/view_frustum.h"

namespace plotix {
namespace {

// The line pipeline's point mapping while a plane is active. A point the
// camera cannot draw (behind the viewer, or far beside the page) is made not
// finite, which drops it and breaks the line there, so no stroke is mirrored.
void map_onto_plane(const PlotState& s, float& x, float& y) {
  const Point3 a = plane_point(s, x, y);
  if (!inside_widened_frustum(s, a)) {
    x = y = std::numeric_limits<float>::quiet_NaN();
    return;
  }
  const PagePoint p = abs3pt(s, a);
  x = p.x;
  y = p.y;
}

}  // namespace

void grfini(PlotState& s, const Point3& c1, const Point3& c2, const Point3& c3) {
  float* p = s.axis3d.plane3;
  for (int k = 0; k < 3; ++k) {
    p[k] = c1[k];
    p[3 + k] = c2[k] - c1[k];
    p[6 + k] = c3[k] - c2[k];
  }
  s.axis3d.iplane3 = 1;
  s.line.map_point = map_onto_plane;
  s.core.level = 1;
}

void grffin(PlotState& s) {
  s.axis3d.iplane3 = 0;
  s.line.map_point = nullptr;
  s.axis3d.iaxsys = 3;
  s.core.level = 3;
}

Point3 plane_point(const PlotState& s, float px, float py) {
  const CoreState& c = s.core;
  const float g = (px - s.line.nxorg - c.nxa) / static_cast<float>(c.nxl - 1);
  const float k = (c.nya - (py - s.line.nyorg)) / static_cast<float>(c.nyl - 1);
  const float* p = s.axis3d.plane3;
  return {p[0] + g * p[3] + k * p[6], p[1] + g * p[4] + k * p[7], p[2] + g * p[5] + k * p[8]};
}

PagePoint proj3d(const PlotState& s, float px, float py) { return abs3pt(s, plane_point(s, px, py)); }

bool clip_plane_segment(const PlotState& s, float& x1, float& y1, float& x2, float& y2) {
  const float ox = static_cast<float>(s.line.nxorg), oy = static_cast<float>(s.line.nyorg);
  double enter = 0.0, leave = 1.0;
  if (!frustum_shares(s, plane_point(s, x1 + ox, y1 + oy), plane_point(s, x2 + ox, y2 + oy), enter,
                      leave)) {
    return false;
  }
  // The plane mapping is affine, so a share of the 3D segment is the same share
  // of the 2D one.
  const double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
  const float sx = x1, sy = y1;
  if (enter > 0.0) {
    x1 = static_cast<float>(sx + enter * dx);
    y1 = static_cast<float>(sy + enter * dy);
  }
  if (leave < 1.0) {
    x2 = static_cast<float>(sx + leave * dx);
    y2 = static_cast<float>(sy + leave * dy);
  }
  return true;
}

}  // namespace plotix
