// The rule that keeps the box, its numbers and its axis names on the page and
// clear of the titles: the projection is scaled down about its centre until
// everything fits, and never scaled up.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Factor (at most 1) for scl3 that brings the projected box corners and the
// label bands of the three axes into the drawing region: the page less a
// 50-unit border at the sides and the bottom, and below the top of the axis
// area, where the titles end. Works with the label heights in force (call it
// with the 1.5 times heights of the labelling step). Returns 1 when something
// lies behind the viewer: a camera that close cannot be helped by
// scaling.
float label_fit_factor(PlotState& s);

}  // namespace plotix
