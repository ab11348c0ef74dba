// Bold lines of the clear picture: natively wide on PDF, PostScript and WMF; on the
// screen, BMP, PNG and SVG, whose lines the library widens by outlines that leave gaps
// between them, as copies under a square brush, solid in every direction.
#pragma once

namespace app {

// Curves (curv3d) from now on `width` plot units wide; `brush` for the copies.
void bold_curves(int width, bool brush);

// Back to hairlines.
void thin_lines();

// One line between page points, `width` plot units wide.
void bold_rline(float x1, float y1, float x2, float y2, int width, bool brush);

}  // namespace app
