// Where the user points of the open 2D axis system fall on the page, and where its axis
// area lies: for legends, labels and equal scales placed by the caller.
#pragma once

namespace plotix {

// The page point (px, py) of user point (x, y) in the open 2D axis system: where a legend
// or a label beside a point goes. Warning 3 and (0, 0) outside a 2D axis system.
void user_to_page2d(float x, float y, float& px, float& py);

// The axis area: its lower-left corner (x, y) and its width and height, plot units; a
// caller that wants equal scales on both axes sizes its ranges to it.
void axis_area2d(int& x, int& y, int& width, int& height);

}  // namespace plotix
