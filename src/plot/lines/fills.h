// Filled shapes: triangles, polygons and rectangles in plot units, handed to the
// device's native fill where it has one and the shape lies inside the clipping window.
// A shape with a corner that is not finite is dropped whole.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Fills a triangle (origin offset added) with a colour value.
void qqftri(PlotState& st, const float xs[3], const float ys[3], int value);

// Fills a polygon of n points (origin offset added) in the current colour.
void dareaf(PlotState& st, const float* xs, const float* ys, int n);

// Fills the axis-parallel rectangle (x1, y1)-(x2, y2) (origin offset added), cut
// to the clipping window, with a colour value.
void dbox(PlotState& st, float x1, float y1, float x2, float y2, int value);

}  // namespace plotix
