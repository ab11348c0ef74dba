// Fields of PlotState for the 2D axis system: the scaling graf2d opened, and the settings
// it reads (logarithmic axes, numbers given as texts).
#pragma once

#include <string>
#include <vector>

namespace plotix {

// The kind graf2d gives Axis3dState::iaxsys, the field that names the open axis system.
inline constexpr int kAxisSystem2d = 2;

// Texts that stand for the numbers of an axis, at the user values they name.
struct AxisTexts {
  std::vector<float> values;
  std::vector<std::string> texts;
};

struct Axis2dState {
  float xa = 0, xe = 0, ya = 0, ye = 0;  // axis limits as passed to graf2d
  bool log[2] = {false, false};          // x, y logarithmic: limits, first number and step are powers of ten
  AxisTexts given[2];                    // x, y: texts in place of numbers, for the next graf2d only
};

}  // namespace plotix
