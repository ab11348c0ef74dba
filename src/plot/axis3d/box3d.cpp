// box3d: the twelve edges of the 3D axis box as one move/draw sequence and
// three single edges.
#include "plot/axis3d/axis_placement.h"
#include "plot/axis3d/move_draw3d.h"
#include "plot/axis3d/box3d.h"
#include "plot/axis3d/system3d.h"

namespace plotix {

namespace {

// Corners 1..8 (signs (-,-,-), (+,-,-), (+,+,-), (-,+,-), then the same at +z):
// around the bottom, up, around the top, then the three remaining uprights.
constexpr int kPath[10] = {1, 2, 3, 4, 1, 5, 6, 7, 8, 5};
constexpr int kEdges[3][2] = {{6, 2}, {3, 7}, {8, 4}};

}  // namespace

void box3d() {
  PlotState* ps = require_3d_axis_system("box3d");
  if (ps == nullptr) return;
  PlotState& s = *ps;
  const float* len = s.axis3d.ax3len;
  qqst3d(s, box_corner(len, kPath[0]));
  for (int i = 1; i < 10; ++i) qqcn3d(s, box_corner(len, kPath[i]));
  for (const auto& e : kEdges) {
    qqst3d(s, box_corner(len, e[0]));
    qqcn3d(s, box_corner(len, e[1]));
  }
}

}  // namespace plotix
