// Level and axis-system check of the 3D drawing routines.
#include "plot/axis3d/system3d.h"

#include "plot/core/levels.h"
#include "plot/core/warnings.h"

namespace plotix {

PlotState* require_3d_axis_system(const char* routine) {
  PlotState* s = jqqlev(3, 3, routine);
  if (s == nullptr) return nullptr;
  if (s->axis3d.iaxsys != 3) {
    warnin(*s, 35);
    return nullptr;
  }
  return s;
}

}  // namespace plotix
