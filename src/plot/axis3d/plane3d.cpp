// The 2D-on-plane mapping used to draw axes onto the faces of the 3D box.
#include "plot/axis3d/plane3d.h"

namespace plotix {
namespace {

// The line pipeline's point mapping while a plane is active.
void map_onto_plane(const PlotState& s, float& x, float& y) {
  const PagePoint p = proj3d(s, x, y);
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

PagePoint proj3d(const PlotState& s, float px, float py) {
  const CoreState& c = s.core;
  const float g = (px - s.line.nxorg - c.nxa) / static_cast<float>(c.nxl - 1);
  const float k = (c.nya - (py - s.line.nyorg)) / static_cast<float>(c.nyl - 1);
  const float* p = s.axis3d.plane3;
  const Point3 a{p[0] + g * p[3] + k * p[6], p[1] + g * p[4] + k * p[7], p[2] + g * p[5] + k * p[8]};
  return abs3pt(s, a);
}

}  // namespace plotix
