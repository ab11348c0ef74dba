// PLOTIX text routines for the main program: character height and angle, the
// title lines above the axis system and the page-header line.
#pragma once

#include <string_view>

namespace plotix {

// Character height in plot units (1 to 10000).
void height(int h);
// Text angle in degrees, counter-clockwise.
void angle(int degrees);
// Stores title line |n| (1 to 4), at most 132 characters; n < 0 underlines it.
void titlin(std::string_view text, int n);
// Draws the stored title lines above the current axis system.
void title();
// Draws a page-header line: cstr1, date, time, library version, cstr2, in corner
// iopt (1 lower left, 2 lower right, 3 upper right, 4 upper left), horizontal
// (idir 0) or vertical (idir 1).
void paghdr(std::string_view cstr1, std::string_view cstr2, int iopt, int idir);

}  // namespace plotix
