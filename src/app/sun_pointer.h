// The Sun's arrow: when the Sun lies outside the box of a clear picture, an arrow inside
// the box ends on the face where the line from the box's centre to the Sun leaves it,
// pointing at the Sun, and "Sun" is written beside its head.
#pragma once

#include "app/clear_palette.h"
#include "app/picture_box.h"

namespace app {

// The arrow's tail and head, relative units.
struct SunPointer {
  double tail[3] = {}, head[3] = {};
};

// The arrow of a box that does not hold the Sun at (-1, 0, 0).
SunPointer sun_pointer(const PictureBox& box);

// Draws it in the Sun's colour, its label in the text colour, in the current axis system;
// `brush` as for app/bold_lines.h.
void draw_sun_pointer(const PictureBox& box, const ClearPalette& palette, bool brush);

}  // namespace app
