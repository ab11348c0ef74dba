// Fields of PlotState for 3D curves and spheres. Member initialisers are the
// values after every disini (resall).
#pragma once

namespace plotix {

struct Draw3dState {
  unsigned char ibackface = 1;  // 1 skip patches facing away, 2 skip those facing the viewer, 0 none
  int ncrvthk = 1;              // parallel strokes per curve
  int ilogok = 0;               // 1 = skip the positive-values check on log axes
  int ichkscl = 1;              // 1 = report curve points outside the axis scaling
};

}  // namespace plotix
