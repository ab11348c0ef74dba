// Clipping of 3D segments: at the axis box (absolute coordinates) and at the
// view volume (homogeneous coordinates).
#pragma once

#include "plot/axis3d/projection3d.h"

namespace plotix {

// Clipping modes of the 3D move/draw primitives (iclp3).
inline constexpr int kClipBox = 0;
inline constexpr int kClipViewVolume = 1;
inline constexpr int kClipNone = 2;

// Number of coordinates of a lying beyond +-len/2 of their axis.
int chkvl3(const float len[3], const Point3& a);

// Cuts the segment p1-p2 to the box +-len/2 (Cohen-Sutherland). Returns false
// when nothing of it lies in the box; otherwise the ends are moved onto it.
bool qqclp1(const float len[3], Point3& p1, Point3& p2);

// True when -W <= X <= W, -W <= Y <= W and 0 <= Z <= W.
bool inside_view_volume(const Homog4& h);

// Cuts the segment h1-h2 to the view volume (parametric). Returns false when
// nothing of it remains.
bool qqclp3(Homog4& h1, Homog4& h2);

}  // namespace plotix
