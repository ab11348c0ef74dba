// Parameter routines of the 3D view: box proportions, viewpoint and focus.
#include <string_view>

#include "plot/levels.h"
#include "plot/plot3d.h"
#include "plot/warnings.h"

namespace plotix {

void axis3d(float xlen, float ylen, float zlen) {
  PlotState& s = chkini("axis3d");
  if (xlen <= 0 || ylen <= 0 || zlen <= 0) {
    warnin(s, 2);
    return;
  }
  s.axis3d.ax3len[0] = xlen;
  s.axis3d.ax3len[1] = ylen;
  s.axis3d.ax3len[2] = zlen;
}

void view3d(float x, float y, float z, std::string_view unit) {
  PlotState& s = chkini("view3d");
  const int kind = jqqind(s, "ABS +USER+ANGL", 3, unit);
  if (kind == 0) return;
  s.axis3d.view3[0] = x;
  s.axis3d.view3[1] = y;
  s.axis3d.view3[2] = z;
  s.axis3d.iview3 = kind;
}

void vfoc3d(float x, float y, float z, std::string_view unit) {
  PlotState& s = chkini("vfoc3d");
  const int kind = jqqind(s, "ABS +USER", 2, unit);
  if (kind == 0) return;
  s.axis3d.foc3[0] = x;
  s.axis3d.foc3[1] = y;
  s.axis3d.foc3[2] = z;
  s.axis3d.ifoc3 = kind;
}

}  // namespace plotix
