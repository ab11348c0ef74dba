// PLOTIX public routines of the 3D axis system: box, view, axis labelling,
// curves and spheres. Text arguments are string views, read up to the
// routine's own limit (4 characters for keywords, 132 for names).
#pragma once

#include "plot/axis3d/axis_system.h"    // graf3d
#include "plot/axis3d/box3d.h"          // box3d
#include "plot/axis3d/label_settings.h" // name, hname, labdig, flab3d, labl3d, skip_axes3d
#include "plot/axis3d/view_settings.h"  // axis3d, view3d, vfoc3d
#include "plot/draw3d/curve3d.h"        // curv3d, thkcrv, nochek
#include "plot/draw3d/sphere3d.h"       // sphe3d
#include "plot/draw3d/page_marks.h"     // disc, rectfl, rline, disc3d, pos3pg
