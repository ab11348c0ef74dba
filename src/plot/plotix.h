// PLOTIX: the public routines the main program calls, gathered from the headers of the
// files that define them. Text arguments are taken
// as string views, so both terminated strings and fixed-length blank-padded
// fields can be passed; each routine reads its arguments up to its own limit
// (4 characters for keywords, 256 for file names).
#pragma once

#include "plot/core/clock.h"          // dddate, ddtime
#include "plot/core/levels.h"         // upstr
#include "plot/core/output_format.h"  // metafl, setfil, winsiz, scrmod, png_quick
#include "plot/lines/colours.h"       // color, setvlt
#include "plot/lines/line_style.h"  // solid ... dashm, lintyp, myline, linwid, penwid
#include "plot/core/error_stream.h"   // set_error_stream
#include "plot/core/fatal_status.h"   // fatal_status, fatal_message
#include "plot/page/close_plot.h"   // disfin, endgrf, noclip
#include "plot/page/open_plot.h"    // disini
#include "plot/page/page_border.h"  // pagera
#include "plot/page/screen_requests.h"  // wait_for_request, window_dismissed, erase_page
#include "plot/plot2d.h"  // 2D axis system and curves
#include "plot/plot3d.h"  // 3D axis system, axis labelling, curves and spheres
#include "plot/text.h"
