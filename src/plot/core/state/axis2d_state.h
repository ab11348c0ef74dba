// Fields of PlotState for the 2D axis system: the scaling graf2d opened.
#pragma once

namespace plotix {

// The kind graf2d gives Axis3dState::iaxsys, the field that names the open axis system.
inline constexpr int kAxisSystem2d = 2;

struct Axis2dState {
  float xa = 0, xe = 0, ya = 0, ye = 0;  // axis limits as passed to graf2d
};

}  // namespace plotix
