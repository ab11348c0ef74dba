// Filled rectangles: a band of the 2D axis system in user values (the episodes behind a
// curve), and a box at page points (keys and legends).
#pragma once

namespace plotix {

// Fills the rectangle between user points (x1, y1) and (x2, y2) of the open 2D axis
// system, cut at the axis area, in the current colour.
void shade2d(float x1, float y1, float x2, float y2);

// Fills the rectangle between page points (x1, y1) and (x2, y2) in the current colour.
void box_fill(float x1, float y1, float x2, float y2);

}  // namespace plotix
