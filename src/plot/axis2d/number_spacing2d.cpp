// Label spacing of the 2D axes, and texts in place of numbers.
#include "plot/axis2d/number_spacing2d.h"

#include <cctype>
#include <cmath>

#include "plot/axis2d/axis_labels2d.h"
#include "plot/axis2d/axis_system2d.h"
#include "plot/axis2d/scaling2d.h"
#include "plot/axis3d/axis_numbers.h"
#include "plot/core/levels.h"
#include "plot/core/warnings.h"

namespace plotix {

namespace {

// The axis named by the first letter, or -1 with warning 2.
int axis_named(PlotState& s, std::string_view axis) {
  const char letter = axis.empty() ? ' ' : static_cast<char>(std::toupper(static_cast<unsigned char>(axis[0])));
  if (letter == 'X') return kAxisX;
  if (letter == 'Y') return kAxisY;
  warnin(s, 2);
  return -1;
}

bool fits(PlotState& s, const AxisMarks& marks, int digits) {
  const AxisLabelHeights heights(s);
  return labels_keep_apart(s, marks, axis_labels(marks, digits), s.text.nhchar);
}

}  // namespace

float spaced_step(PlotState& s, int axis, float start, float end) {
  if (!(std::fabs(end - start) > s.core.eps)) return 0.0f;
  const AxisSlot& set = s.axis3d.slot[axis];
  const bool log = s.axis2d.log[axis];
  const bool whole = log || (!set.iautodig && set.ndig < 0);
  const double range = std::fabs(end - start);
  static constexpr double kMultiples[3] = {1.0, 2.0, 5.0};
  for (int k = static_cast<int>(std::floor(std::log10(range))) - 3;; ++k) {
    for (double m : kMultiples) {
      const double step = m * std::pow(10.0, k);
      if (whole && step < 1.0) continue;
      const AxisMarks marks{start, end, 0.0f, static_cast<float>(step), log, {}, axis == kAxisY};
      const int digits = set.iautodig ? auto_digits(0.0, step) : set.ndig;
      if (step >= range || fits(s, marks, digits)) return static_cast<float>(step);
    }
  }
}

float spaced_step2d(float start, float end, std::string_view axis) {
  PlotState* ps = jqqlev(1, 1, "spaced_step2d");
  if (ps == nullptr) return 0.0f;
  const int j = axis_named(*ps, axis);
  return j < 0 ? 0.0f : spaced_step(*ps, j, start, end);
}

bool texts_fit2d(std::string_view axis, float start, float end, const std::vector<float>& values,
                 const std::vector<std::string>& texts) {
  PlotState* ps = jqqlev(1, 1, "texts_fit2d");
  if (ps == nullptr) return false;
  PlotState& s = *ps;
  const int j = axis_named(s, axis);
  if (j < 0 || !(std::fabs(end - start) > s.core.eps)) return false;
  AxisMarks marks{start, end, start, 1.0f, s.axis2d.log[j], {}, j == kAxisY};
  for (float value : values) marks.texts.values.push_back(axis_units(s, j, value));
  marks.texts.texts = texts;
  return fits(s, marks, 0);
}

void axis_texts2d(std::string_view axis, const std::vector<float>& values, const std::vector<std::string>& texts) {
  PlotState* ps = jqqlev(1, 1, "axis_texts2d");
  if (ps == nullptr) return;
  const int j = axis_named(*ps, axis);
  if (j < 0) return;
  ps->axis2d.given[j] = {values, texts};
}

}  // namespace plotix
