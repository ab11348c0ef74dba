// The labels of one axis of the 2D axis system: which positions get a number or a given
// text, the texts, where they fall along the axis, and whether they keep apart.
#pragma once

#include <string>
#include <vector>

#include "plot/core/plot_state.h"

namespace plotix {

// What one axis shows, in its own units (powers of ten on a logarithmic axis).
struct AxisMarks {
  float start = 0, end = 1;   // limits
  float first = 0, step = 1;  // the first number and the step between numbers
  bool log = false;           // numbers are 10^units, and a step of one decade gets ticks at 2..9 times it
  AxisTexts texts;            // when not empty: these texts at these positions (axis units) instead
  bool vertical = false;      // along the height of the axis area, else its width
};

struct AxisLabel {
  float units = 0;  // position, axis units
  std::string text;
};

// The numbers (or the given texts) that lie on the axis, in order along it; `digits` as
// labdig's for the numbers of a linear axis.
std::vector<AxisLabel> axis_labels(const AxisMarks& marks, int digits);

// Plot units along the axis from its start to a position in axis units.
float along_axis(const PlotState& s, const AxisMarks& marks, float units);

// True when the labels, written upright in height h, keep at least h apart along a
// horizontal axis, and 1.5 h along a vertical one (where each is h high): a column of
// numbers needs more air than a row to be read.
bool labels_keep_apart(PlotState& s, const AxisMarks& marks, const std::vector<AxisLabel>& labels, int h);

}  // namespace plotix
