// One axis of the 2D axis system drawn along an edge of the axis area: its line, ticks
// outward, numbers or given texts, and its name.
#pragma once

#include <string_view>

#include "plot/axis2d/axis_labels2d.h"
#include "plot/core/plot_state.h"

namespace plotix {

enum class AxisEdge { bottom, left, right };

// Draws the axis on `edge` with the tick lengths and distances of `set` (the labelling
// slot of x or y), the labels in the current character height and the name in the name
// height; on the left and the right the name reads upwards.
void draw_axis2d(PlotState& s, AxisEdge edge, const AxisMarks& marks, const AxisSlot& set, std::string_view name);

}  // namespace plotix
