// PlotState: the plotting library's one state record, grouped by concern.
// Each concern's fields live in their own header under state/; the record is
// created zero-filled on first use and reached through qqgglb/qqsglb.
#pragma once

#include "plot/core/state/axis2d_state.h"
#include "plot/core/state/axis3d_state.h"
#include "plot/core/state/core_state.h"
#include "plot/core/state/draw3d_state.h"
#include "plot/core/state/line_state.h"
#include "plot/core/state/page_state.h"
#include "plot/core/state/text_state.h"

namespace plotix {

struct PlotState {
  CoreState core;      // levels, warnings, protocol, axis area, window geometry
  PageState page;      // page, output format, file naming, device scale
  LineState line;      // pending polyline, dashing, width, colour, clipping
  TextState text;      // stroke font, heights, titles
  Axis3dState axis3d;  // 3D axis system, projection, labelling
  Draw3dState draw3d;  // 3D curves and spheres
  Axis2dState axis2d;  // 2D axis system
};

}  // namespace plotix
