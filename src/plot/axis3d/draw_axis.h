// One labelled 2D axis of the axis area (line, ticks, numbers, name), as the
// 3D labelling draws it onto a face of the box through the plane mapping.
#pragma once

#include <string_view>

#include "plot/core/plot_state.h"

namespace plotix {

inline constexpr int kHorizontalSlot = 0;  // along the bottom edge of the axis area
inline constexpr int kVerticalSlot = 1;    // along the left edge

struct AxisSpec {
  int slot = kHorizontalSlot;  // whose settings (s.axis3d.slot[slot]) are used
  float start = 0, end = 1;    // axis limits; the numbers run from start to end
  float first = 0, step = 1;   // first number and step between numbers
  std::string_view name;       // axis name; empty = none
  bool mirrored = false;       // horizontal slot: ticks, numbers, name above the line
  int x0 = 0, y0 = 0;          // page point where the axis starts
};

// Draws the axis line, the ticks (markx), the numbers (labelx) and the name
// (namex), numbers in height nhchar and the name in nhname.
void draw_axis(PlotState& s, const AxisSpec& axis);

}  // namespace plotix
