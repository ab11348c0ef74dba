// PLOTIX public routines of the 2D axis system: graf2d and curves in it.
#pragma once

#include "plot/axis2d/axis_system2d.h"  // graf2d
#include "plot/axis2d/curve2d.h"        // curv2d
