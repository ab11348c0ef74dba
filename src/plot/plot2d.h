// PLOTIX public routines of the 2D axis system: graf2d, its scales, labels and second
// axis, and curves, markers and filled bands in it.
#pragma once

#include "plot/axis2d/axis_system2d.h"     // graf2d
#include "plot/axis2d/curve2d.h"           // curv2d
#include "plot/axis2d/fills2d.h"           // shade2d, box_fill
#include "plot/axis2d/markers2d.h"         // marker, marker2d
#include "plot/axis2d/number_spacing2d.h"  // spaced_step2d, texts_fit2d, axis_texts2d
#include "plot/axis2d/page_points2d.h"     // user_to_page2d, axis_area2d
#include "plot/axis2d/right_axis2d.h"      // right_axis2d
#include "plot/axis2d/scaling2d.h"         // axis_scale2d
