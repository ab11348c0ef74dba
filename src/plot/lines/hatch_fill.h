// The line fill of the solid fill pattern, for polygons a device cannot fill natively.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// The fallback of dareaf for polygons the device cannot take natively (crossing the
// clipping window, or a device without polygon fill): the outline and horizontal
// hatch lines of the solid fill pattern, drawn through the line pipeline.
// Points are absolute plot units (origin offset already added). The solid pattern
// is the only fill pattern this program uses; other patterns would be chosen here.
void hatch_fill(PlotState& st, const float* xs, const float* ys, int n);

}  // namespace plotix
