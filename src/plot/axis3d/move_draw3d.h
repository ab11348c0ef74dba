// Move and draw in absolute 3D coordinates, clipped by the mode iclp3 and
// projected onto the page: every 3D line reaches the 2D pipeline here.
#pragma once

#include "plot/axis3d/projection3d.h"

namespace plotix {

// Remembers a as the current 3D point; starts a 2D line at its projection when
// it lies inside the clipping region.
void qqst3d(PlotState& s, const Point3& a);

// Draws from the current 3D point to a, clipped; a becomes the current point.
void qqcn3d(PlotState& s, const Point3& a);

}  // namespace plotix
