// Fields of PlotState for 3D curves, spheres and the fill pattern used when a
// filled shape has to be laid down as hatch lines. Member initialisers are the
// values after every disini (resall).
#pragma once

namespace plotix {

// The solid pattern: horizontal hatch lines closer than one plot unit.
inline constexpr int kSolidPattern = 16;

struct Draw3dState {
  unsigned char ibackface = 1;  // 1 skip patches facing away, 2 skip those facing the viewer, 0 none
  int ncrvthk = 1;              // parallel strokes per curve
  int ilogok = 0;               // 1 = skip the positive-values check on log axes
  int ichkscl = 1;              // 1 = report curve points outside the axis scaling
  int ncurve = 0;               // curves drawn in this axis system (attribute cycling)

  // Fill pattern.
  int nshdpat = kSolidPattern;  // shading pattern number
  float xhatch_gap = 0.9999f;   // distance of the horizontal hatch lines, plot units
};

}  // namespace plotix
