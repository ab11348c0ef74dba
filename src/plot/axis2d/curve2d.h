// Public routine that draws a curve in the 2D axis system.
#pragma once

namespace plotix {

// A polyline through the user points (x[i], y[i]), i < n, scaled by the open 2D axis
// system and cut at the edges of the axis area (at the page after noclip). A point that
// has no place (not finite, or not above 0 on a logarithmic axis) breaks the line.
// n below 1 is warning 2.
void curv2d(const float* x, const float* y, int n);

}  // namespace plotix
