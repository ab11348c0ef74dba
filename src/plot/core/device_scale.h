// The device scale xdevfac of each output format: device units per plot unit.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Scale for the open format; for the screen, width and height are the drawing
// area the window reported, for the raster formats the image size.
float device_scale_factor(const PlotState& st, int width, int height);

}  // namespace plotix
