// Parameter routines of the 3D view: box proportions, viewpoint and focus.
#include <string_view>

#include "plot/core/levels.h"
#include "plot/axis3d/view_settings.h"
#include "plot/core/warnings.h"

namespace plotix {

namespace {

void store(float point[3], float x, float y, float z) {
  point[0] = x;
  point[1] = y;
  point[2] = z;
}

}  // namespace

void axis3d(float xlen, float ylen, float zlen) {
  PlotState* found = chkini("axis3d");
  if (found == nullptr) return;
  PlotState& s = *found;
  if (xlen <= 0 || ylen <= 0 || zlen <= 0) {
    warnin(s, 2);
    return;
  }
  store(s.axis3d.ax3len, xlen, ylen, zlen);
}

void view3d(float x, float y, float z, std::string_view unit) {
  PlotState* found = chkini("view3d");
  if (found == nullptr) return;
  PlotState& s = *found;
  const int kind = jqqind(s, "ABS +USER+ANGL", 3, unit);
  if (kind == 0) return;
  store(s.axis3d.view3, x, y, z);
  s.axis3d.iview3 = static_cast<ViewPointKind>(kind);
}

void vfoc3d(float x, float y, float z, std::string_view unit) {
  PlotState* found = chkini("vfoc3d");
  if (found == nullptr) return;
  PlotState& s = *found;
  const int kind = jqqind(s, "ABS +USER", 2, unit);
  if (kind == 0) return;
  store(s.axis3d.foc3, x, y, z);
  s.axis3d.ifoc3 = kind;
}

}  // namespace plotix
