// PLOTIX: the public routines the main program calls. Text arguments are taken
// as string views, so both terminated strings and fixed-length blank-padded
// fields can be passed; each routine reads its arguments up to its own limit
// (4 characters for keywords, 256 for file names).
#pragma once

#include <string_view>

#include "plot/lines/line_style.h"  // solid ... dashm, lintyp, myline, linwid, penwid
#include "plot/core/fatal_status.h"   // fatal_status, fatal_message
#include "plot/page/close_plot.h"   // disfin, endgrf, noclip
#include "plot/page/open_plot.h"    // disini
#include "plot/page/page_border.h"  // pagera
#include "plot/page/screen_requests.h"  // wait_for_request, window_dismissed, erase_page
#include "plot/plot3d.h"  // 3D axis system, axis labelling, curves and spheres
#include "plot/text.h"

// The public routines below are defined beside internal ones, whose headers the
// main program is not meant to see.
namespace plotix {

// Text helper.
void upstr(char* text);          // a terminated text, upper-cased in place
void upstr(char* text, int n);   // exactly n bytes of a blank-padded field

// Output format, file and page.
void metafl(std::string_view keyword);
void setfil(std::string_view name);
void winsiz(int nw, int nh);
const char* dddate();   // "%02d.%02d.%4d"; static buffer, overwritten by the next call
const char* ddtime();   // "%02d:%02d:%02d"

// Colours.
void color(std::string_view name);
void setvlt(std::string_view name);

}  // namespace plotix
