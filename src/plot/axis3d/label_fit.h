// The rule that keeps the box, its numbers and its axis names on the page and
// clear of the titles: the projection is moved towards the middle of the drawing
// region and then, if still needed, scaled down; never scaled up.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Moves xcen3, ycen3 as little as brings the projected box corners and the label
// bands of the three axes into the drawing region (the page less a 50-unit border
// at the sides and the bottom, and below the top of the axis area, where the titles
// end), and multiplies scl3 by the factor (0.5 to 1) that their width and height
// still need. Works with the label heights in force (call it with the 1.5 times
// heights of the labelling step). Changes nothing when the view fits, when the
// projection centre lies outside the region, or when something lies behind the
// viewer: a camera that close cannot be helped by scaling.
void fit_labels_on_page(PlotState& s);

}  // namespace plotix
