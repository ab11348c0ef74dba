// PLOTIX text routines for the main program: character height and angle, the
// title lines above the axis system and the page-header line.
#pragma once

#include <string_view>

#include "plot/text/text_settings.h"  // height, angle, titlin
#include "plot/text/title.h"          // title
#include "plot/text/message.h"        // messag, nlmess, message_length

namespace plotix {

// Draws a page-header line: cstr1, date, time, library version, cstr2, in corner
// iopt (1 lower left, 2 lower right, 3 upper right, 4 upper left), horizontal
// (idir 0) or vertical (idir 1).
void paghdr(std::string_view cstr1, std::string_view cstr2, int iopt, int idir);

}  // namespace plotix
