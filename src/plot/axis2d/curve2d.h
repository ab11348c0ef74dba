// Public routine that draws a curve in the 2D axis system.
#pragma once

namespace plotix {

// A polyline through the user points (x[i], y[i]), i < n, scaled by the open 2D axis
// system; points beyond the axis limits are drawn where they fall. n below 1 is
// warning 2.
void curv2d(const float* x, const float* y, int n);

}  // namespace plotix
