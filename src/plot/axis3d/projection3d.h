// The 3D pipeline of an axis system: user coordinates -> absolute (box-centred)
// coordinates -> homogeneous view coordinates -> page coordinates.
#pragma once

#include <array>

#include "plot/core/plot_state.h"

namespace plotix {

using Point3 = std::array<float, 3>;     // absolute 3D coordinates
using Homog4 = std::array<double, 4>;    // homogeneous view coordinates X, Y, Z, W

struct PagePoint {
  float x = 0, y = 0;
};

// Builds mat3d from view3, foc3, vtwist3, vangle3, vnear3 and vfar3.
void qqgmat(PlotState& s);

// (X, Y, Z, W) = mat3d * (a, 1).
Homog4 qqgsc3(const PlotState& s, const Point3& a);

// Page point of homogeneous view coordinates.
PagePoint homog_to_page(const PlotState& s, const Homog4& h);

// Page point of an absolute point (projection without clipping).
PagePoint abs3pt(const PlotState& s, const Point3& a);

// User coordinates -> absolute coordinates, log10 on logarithmic axes.
Point3 qqpos3(const PlotState& s, float x, float y, float z);

// qqpos3 followed by the extra transformation trf3 when itrf3 = 1.
Point3 qqbas3(const PlotState& s, float x, float y, float z);

// Page point of a user point.
PagePoint qqrel3(const PlotState& s, float x, float y, float z);

// Start and end of axis j (0 x, 1 y, 2 z) as passed to graf3d.
float axis_start(const PlotState& s, int j);
float axis_end(const PlotState& s, int j);

}  // namespace plotix
