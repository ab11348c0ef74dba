// Public routine that draws a 3D curve.
#pragma once

namespace plotix {

// A polyline through user points, clipped at the box.
void curv3d(const float* x, const float* y, const float* z, int n);

}  // namespace plotix
