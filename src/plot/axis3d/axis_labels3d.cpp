// Labelling of the 3D axes: each axis is an ordinary 2D axis of the axis area
// bent onto a face of the box by the plane mapping.
#include "plot/axis3d/axis_labels3d.h"

#include <cmath>
#include <utility>

#include "plot/axis3d/axis_placement.h"
#include "plot/axis3d/draw_axis.h"
#include "plot/axis3d/plane3d.h"

namespace plotix {

namespace {

const std::string& axis_name(const Axis3dState& a, int j) {
  return j == 0 ? a.cxname : j == 1 ? a.cyname : a.czname;
}

void first_and_step(const Axis3dState& a, int j, float& first, float& step) {
  first = j == 0 ? a.xor3 : j == 1 ? a.yor3 : a.zor3;
  step = j == 0 ? a.xstp3 : j == 1 ? a.ystp3 : a.zstp3;
}

void draw_box_axis(PlotState& s, int row, int j) {
  Axis3dState& a = s.axis3d;
  const int slot = j == 2 ? kVerticalSlot : kHorizontalSlot;
  // The 2D slot takes this axis's own settings while it is drawn.
  if (slot != j) std::swap(a.slot[slot], a.slot[j]);

  const AxisPlacement place = axis_placement(row, j);
  const int c1 = place.corners / 100, c2 = place.corners / 10 % 10, c3 = place.corners % 10;
  grfini(s, box_corner(a.ax3len, c1), box_corner(a.ax3len, c2), box_corner(a.ax3len, c3));

  AxisSpec axis;
  axis.slot = slot;
  axis.start = axis_start(s, j);
  axis.end = axis_end(s, j);
  first_and_step(a, j, axis.first, axis.step);
  if (place.reverse == 1) {
    // Numbers run from the end back to the start, along the plane's direction.
    axis.first = axis.first + axis.step * std::trunc((axis.end - axis.first) / axis.step + 0.0001f);
    axis.step = -axis.step;
    std::swap(axis.start, axis.end);
  }
  axis.name = axis_name(a, j);
  axis.mirrored = j != 2 && a.view3[2] < -a.ax3len[2];
  axis.x0 = s.core.nxa;
  axis.y0 = axis.mirrored ? s.core.nya + 1 - s.core.nyl : s.core.nya;

  const int nlabsel = a.slot[slot].nlabsel;
  if (a.iflab3 == 1) a.slot[slot].nlabsel = place.value;
  draw_axis(s, axis);
  a.slot[slot].nlabsel = nlabsel;

  grffin(s);
  if (slot != j) std::swap(a.slot[slot], a.slot[j]);
}

}  // namespace

void label_axes3d(PlotState& s) {
  const Axis3dState& a = s.axis3d;
  const int row = placement_row(a.ax3len, {a.view3[0], a.view3[1], a.view3[2]});
  for (int j = 0; j < 3; ++j) draw_box_axis(s, row, j);
}

}  // namespace plotix
