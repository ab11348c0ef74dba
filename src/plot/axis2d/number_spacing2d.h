// Steps and texts of a 2D axis chosen so that its labels never run together: the caller
// asks before graf2d, with the axis area and the heights graf2d will draw in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "plot/core/plot_state.h"

namespace plotix {

// spaced_step2d's step for axis 0 (x) or 1 (y) of the state, at any level.
float spaced_step(PlotState& s, int axis, float start, float end);

// The smallest step of 1, 2 or 5 times a power of ten (at least 1 where labdig writes
// the axis's numbers as integers) whose numbers from start to end, at the multiples of
// the step, keep at least one number height apart on the x axis ("X"), 1.5 heights on
// the y axis ("Y"). The first number is then step * ceil(start / step). On a
// logarithmic axis: a whole number of decades. 0 with a warning outside level 1.
float spaced_step2d(float start, float end, std::string_view axis);

// True when `texts` at `values` (user values) on the axis from start to end keep as far
// apart as spaced_step2d's numbers.
bool texts_fit2d(std::string_view axis, float start, float end, const std::vector<float>& values,
                 const std::vector<std::string>& texts);

// Texts that the next graf2d writes at these user values of the axis ("X" or "Y"), with
// long ticks there and no others, in place of its numbers.
void axis_texts2d(std::string_view axis, const std::vector<float>& values, const std::vector<std::string>& texts);

}  // namespace plotix
