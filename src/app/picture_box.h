// The box of a clear picture: fitted to the path and the planet (`--frame path`) or the
// box of the whole Sun-planet system the read-back sized (`--frame system`), enlarged
// about the view's focus by the zoom, with 4 to 8 numbers of a round step per axis.
#pragma once

#include <array>

#include "app/run_state.h"

namespace app {

struct PictureBox {
  std::array<double, 3> lo{}, hi{};     // limits along X, Y, Z, relative units
  std::array<double, 3> first{}, step{};  // first number and step between numbers

  bool holds(double x, double y, double z) const;
  // Edge lengths for axis3d: in proportion to the limits, the longest 2.
  std::array<float, 3> edge_lengths() const;
};

// Share of the box's largest half-width added around the path on every side.
inline constexpr double kPathMargin = 0.05;
// No half-width of a fitted box is less than this share of the largest, so that a flat
// path keeps a box whose every edge holds four numbers.
inline constexpr double kLeastHalfWidthShare = 0.3;

// The box of the run's picture in the clear style, from its frame, path, view and zoom.
PictureBox picture_box(const RunState& state);

}  // namespace app
