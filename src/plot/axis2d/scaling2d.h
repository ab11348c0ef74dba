// The scaling of the 2D axis system: user values to page points, linear or logarithmic
// per axis, and the routine that chooses the scale.
#pragma once

#include <string_view>

#include "plot/core/plot_state.h"

namespace plotix {

inline constexpr int kAxisX = 0;
inline constexpr int kAxisY = 1;

// The page coordinate of a position along an axis given in axis units (the power of ten
// on a logarithmic axis), by the limits graf2d opened.
float axis_page(const PlotState& s, int axis, float units);

// Axis units of a user value: the value itself, or its logarithm on a logarithmic axis
// (not finite for a value that is not above 0).
float axis_units(const PlotState& s, int axis, float value);

// The page point of a user point (not finite where a logarithmic axis gets a value not
// above 0).
float page_x2d(const PlotState& s, float x);
float page_y2d(const PlotState& s, float y);

// Which axes graf2d draws logarithmically: scale "LIN" or "LOG" for the axes named in
// `axes` ("X", "Y" or "XY"). On a logarithmic axis graf2d takes its limits, first number
// and step as powers of ten (-4, -1, -4, 1 for 0.0001 to 0.1 a decade apart) and the
// curves and marks take plain values. Kept until disini.
void axis_scale2d(std::string_view scale, std::string_view axes);

}  // namespace plotix
