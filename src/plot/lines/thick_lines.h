// Emulated line widths: outlines around the stroked polyline on devices that
// draw lines one pixel wide (screen, raster, WMF).
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Draws the outlines of the pending polyline for the width nlinwid (> 1).
void draw_thick_line(PlotState& st);

}  // namespace plotix
