// Markers of points and legends: filled and open shapes at page points or at the user
// points of the 2D axis system.
#pragma once

namespace plotix {

enum class MarkerShape { circle, square, diamond, triangle_up, triangle_down, ring, plus, cross, star };

// A marker `size` plot units across (its area about that of a square of 0.8 size), centred
// at page point (x, y), in the current colour; the open ones (ring, plus, cross, star)
// drawn in the current line width.
void marker(MarkerShape shape, float x, float y, float size);

// The marker at user point (x, y) of the open 2D axis system; nothing when the point lies
// outside the axis area.
void marker2d(MarkerShape shape, float x, float y, float size);

}  // namespace plotix
