// The check every 3D drawing routine makes before it draws.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// The record when the level is 3 and the axis system was opened by graf3d;
// otherwise warning 3 (wrong level) or 35 (another kind of axis system) and nullptr.
PlotState* require_3d_axis_system(const char* routine);

}  // namespace plotix
