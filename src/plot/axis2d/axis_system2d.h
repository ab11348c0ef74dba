// Public routine that opens a 2D axis system, the flat counterpart of graf3d.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Opens a 2D axis system on the axis area (level 1 -> 2) and draws it: the x axis along
// the bottom and the y axis along the left, each with its line, ticks outward, numbers
// (labdig's digits) or the texts axis_texts2d gave, and the names of name(.., "X") and
// name(.., "Y"), in 1.5 times the character and name heights as graf3d draws them; the
// top and right edges as plain lines (right_axis2d may number the right one).
// A logarithmic axis (axis_scale2d) takes its limits, first number and step as powers
// of ten. A degenerate range or a zero step is warned about and opens nothing.
void graf2d(float xa, float xe, float xo, float xstep, float ya, float ye, float yo, float ystep);

// Draws the four edges of the axis area again, over bands and curves that reached them.
void frame2d();

// The record when the level is 2 and the axis system was opened by graf2d; otherwise
// warning 3 (wrong level) or 35 (another kind of axis system) and nullptr.
PlotState* require_2d_axis_system(const char* routine);

// The label heights graf2d draws in: 1.5 times the character height for numbers, and
// 1.5 times the name height for names, set for the lifetime of the object.
class AxisLabelHeights {
 public:
  explicit AxisLabelHeights(PlotState& s);
  ~AxisLabelHeights();
  AxisLabelHeights(const AxisLabelHeights&) = delete;
  AxisLabelHeights& operator=(const AxisLabelHeights&) = delete;

 private:
  PlotState& s_;
  int nhchar_, nhname_;
};

}  // namespace plotix
