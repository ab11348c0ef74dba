// The 2D-on-plane mapping: while a plane of the 3D box is active, every 2D point
// of the line pipeline is taken as a point of the axis area laid onto that plane
// and replaced by its projection (grfini installs it as the line pipeline's point
// mapping, grffin removes it). The axis labelling draws through it.
#pragma once

#include "plot/axis3d/projection3d.h"

namespace plotix {

// Activates the plane through corners c1, c2, c3: origin c1, x direction
// c2 - c1, y direction c3 - c2. The level is 1 while the plane is active.
void grfini(PlotState& s, const Point3& c1, const Point3& c2, const Point3& c3);

// Ends the plane: back to level 3 inside the 3D axis system.
void grffin(PlotState& s);

// Page point of the 2D point (px, py) (page offsets included) mapped onto the
// active plane: g = (px - nxa)/(nxl - 1), k = (nya - py)/(nyl - 1) are the
// fractions of the axis area; origin + g*xdir + k*ydir is projected.
PagePoint proj3d(const PlotState& s, float px, float py);

}  // namespace plotix
