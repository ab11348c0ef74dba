// The pending polyline and dashing. Coordinates are plot units (0.1 mm, origin at
// the top-left page corner, y downward).
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Starts a polyline at (x + nxorg, y + nyorg): strokes the pending one first.
void strtqq(PlotState& st, float x, float y);
// Continues the polyline to (x + nxorg, y + nyorg), solid or dashed.
void connqq(PlotState& st, float x, float y);
// Strokes the pending polyline and starts a new one at (x, y) (no origin offset).
void qqmove(PlotState& st, float x, float y);
// Appends (x, y) to the pending polyline (no origin offset).
void qqdraw(PlotState& st, float x, float y);
// Strokes and empties the pending polyline.
void qqstrk(PlotState& st);
// Restarts the dash pattern at its first element (myline and the start of a curve).
void restart_dash_pattern(PlotState& st);

}  // namespace plotix
