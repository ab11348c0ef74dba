// The labelling step of graf3d: the three axes drawn onto edges of the box.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Draws ticks, numbers and names of x, y and z on the box edges chosen by the
// placement table for the current viewpoint. Leaves the 2D settings as found.
void label_axes3d(PlotState& s);

}  // namespace plotix
