// The 2D-on-plane mapping: while a plane of the 3D box is active, every 2D point
// of the line pipeline is taken as a point of the axis area laid onto that plane
// and replaced by its projection (grfini installs it as the line pipeline's point
// mapping, grffin removes it). The axis labelling draws through it. Points the
// camera cannot draw are dropped by the mapping; whole segments are cut first
// with clip_plane_segment.
#pragma once

#include "plot/axis3d/projection3d.h"

namespace plotix {

// Activates the plane through corners c1, c2, c3: origin c1, x direction
// c2 - c1, y direction c3 - c2. The level is 1 while the plane is active.
void grfini(PlotState& s, const Point3& c1, const Point3& c2, const Point3& c3);

// Ends the plane: back to level 3 inside the 3D axis system.
void grffin(PlotState& s);

// The 3D point of the 2D point (px, py) (page offsets included) on the active
// plane: g = (px - nxa)/(nxl - 1), k = (nya - py)/(nyl - 1) are the fractions
// of the axis area; the point is origin + g*xdir + k*ydir.
Point3 plane_point(const PlotState& s, float px, float py);

// Page point of the 2D point (px, py) (page offsets included) mapped onto the
// active plane: g = (px - nxa)/(nxl - 1), k = (nya - py)/(nyl - 1) are the
// fractions of the axis area; origin + g*xdir + k*ydir is projected.
PagePoint proj3d(const PlotState& s, float px, float py);

// Cuts the 2D segment (x1, y1)-(x2, y2) (as given to strtqq/connqq, without the
// origin offset) to the part whose points on the active plane lie in the
// camera's frustum. Returns false when nothing of it remains; ends already
// inside are left exactly as they were.
bool clip_plane_segment(const PlotState& s, float& x1, float& y1, float& x2, float& y2);

}  // namespace plotix
