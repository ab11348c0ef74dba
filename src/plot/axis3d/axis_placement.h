// Which box edge carries which 3D axis: the classification of the viewpoint
// and the 27-row placement table.
#pragma once

#include "plot/axis3d/projection3d.h"

namespace plotix {

// One axis of a table row.
struct AxisPlacement {
  int corners;  // three box corners 1..8: plane origin, second and third corner
  int reverse;  // 1 = the numbers run against the plane's direction
  int value;    // first-number rule when iflab3 = 1 (0 all, 1 all but the first)
};

// Row number 0..26 for a viewpoint in absolute coordinates: per axis class 1
// below, 2 within, 3 above, with +-len/2 for x and y and the full +-lenz for z.
int placement_row(const float len[3], const Point3& view);

// Placement of axis j (0 x, 1 y, 2 z) in a row.
AxisPlacement axis_placement(int row, int j);

// Corner 1..8 of the box in absolute coordinates (signs times the half lengths).
Point3 box_corner(const float len[3], int corner);

}  // namespace plotix
