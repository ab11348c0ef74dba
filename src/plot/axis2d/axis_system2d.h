// Public routine that opens a 2D axis system, the flat counterpart of graf3d.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Opens a 2D axis system on the axis area (level 1 -> 2) and draws it: the x axis along
// the bottom and the y axis along the left, with the 3D labelling's settings (ticks,
// numbers of labdig, names of name(.., "X") and name(.., "Y")) in 1.5 times the character
// and name heights as graf3d draws them, and the top and right edges as plain lines.
// A degenerate range or a zero step is warned about and opens nothing.
void graf2d(float xa, float xe, float xo, float xstep, float ya, float ye, float yo, float ystep);

// The record when the level is 2 and the axis system was opened by graf2d; otherwise
// warning 3 (wrong level) or 35 (another kind of axis system) and nullptr.
PlotState* require_2d_axis_system(const char* routine);

}  // namespace plotix
