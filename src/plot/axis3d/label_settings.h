// Public axis labelling settings (any level; reset at disini).
#pragma once

#include <string_view>

namespace plotix {

void name(std::string_view text, std::string_view axes);
void hname(int height);
void labdig(int digits, std::string_view axes);
void flab3d();

// Where the 3D axes get their numbers and names: "FACE" on the faces of the box (the
// default), or "PAGE" upright in the page plane outside the box, with the drawing
// scaled and centred to fill the area below the titles.
void labl3d(std::string_view style);

// Whether graf3d leaves the axes (numbers, names, ticks) undrawn while it sets the
// axis system up, scale and centre included, exactly as when it draws them: for the
// frames of an animation over a first frame that drew them. Off after disini.
void skip_axes3d(bool skip);

}  // namespace plotix
