// Scaling of the 2D axis system and its setting.
#include "plot/axis2d/scaling2d.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <string>

#include "plot/core/levels.h"

namespace plotix {

float axis_page(const PlotState& s, int axis, float units) {
  const Axis2dState& a = s.axis2d;
  const CoreState& c = s.core;
  if (axis == kAxisX) return c.nxa + (units - a.xa) * static_cast<float>(c.nxl - 1) / (a.xe - a.xa);
  return c.nya - (units - a.ya) * static_cast<float>(c.nyl - 1) / (a.ye - a.ya);
}

float axis_units(const PlotState& s, int axis, float value) {
  if (!s.axis2d.log[axis]) return value;
  return value > 0.0f ? std::log10(value) : std::numeric_limits<float>::quiet_NaN();
}

float page_x2d(const PlotState& s, float x) { return axis_page(s, kAxisX, axis_units(s, kAxisX, x)); }
float page_y2d(const PlotState& s, float y) { return axis_page(s, kAxisY, axis_units(s, kAxisY, y)); }

void axis_scale2d(std::string_view scale, std::string_view axes) {
  PlotState* found = chkini("axis_scale2d");
  if (found == nullptr) return;
  PlotState& s = *found;
  const int kind = jqqind(s, "LIN +LOG ", 2, scale);
  if (kind == 0) return;
  std::string letters(axes.substr(0, 2));
  for (char& ch : letters) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  if (letters.find('X') != std::string::npos) s.axis2d.log[kAxisX] = kind == 2;
  if (letters.find('Y') != std::string::npos) s.axis2d.log[kAxisY] = kind == 2;
}

}  // namespace plotix
