// Public routines that draw a 3D curve, set how thick curves are drawn, and stop the
// listing of curve points outside the axis scaling.
#pragma once

namespace plotix {

// A polyline through user points, clipped at the box.
void curv3d(const float* x, const float* y, const float* z, int n);

// Curves drawn n plot units thick (1 to 20; 1 after disini): n x n copies shifted by
// whole plot units about the curve, a square brush that thickens every direction
// alike, for devices that draw lines one pixel wide.
void thkcrv(int n);

// No listing of curve points outside the axis scaling from now on (until disini):
// for pictures whose box holds only part of a curve on purpose.
void nochek();

}  // namespace plotix
