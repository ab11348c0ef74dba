// The box of a clear picture and the numbers along its edges.
#include "app/picture_box.h"

#include <algorithm>
#include <cmath>

#include "app/nice_steps.h"

namespace app {

namespace {

// A multiple that misses an end by rounding alone lies on it.
constexpr double kHair = 1.0e-9;

// Half-widths and centre of a box.
struct Span {
  std::array<double, 3> centre{}, half{};
};

// The smallest box holding the path and the planet, grown by the margin, no
// half-width below its share of the largest.
Span path_span(const RunState& state) {
  std::array<double, 3> lo{0, 0, 0}, hi{0, 0, 0};  // the planet
  const std::vector<float>* coordinates[3] = {&state.x, &state.y, &state.z};
  for (int j = 0; j < 3; ++j) {
    const auto [low, high] = std::minmax_element(coordinates[j]->begin(), coordinates[j]->begin() + state.npts);
    lo[j] = std::min(lo[j], static_cast<double>(*low));
    hi[j] = std::max(hi[j], static_cast<double>(*high));
  }
  Span span;
  double largest = 0.0;
  for (int j = 0; j < 3; ++j) {
    span.centre[j] = (lo[j] + hi[j]) / 2;
    span.half[j] = (hi[j] - lo[j]) / 2;
    largest = std::max(largest, span.half[j]);
  }
  // A path that never leaves the planet still gets a box to draw.
  largest = std::max(largest, 1.0e-4);
  for (double& half : span.half) half = std::max(half + kPathMargin * largest, kLeastHalfWidthShare * largest);
  return span;
}

// The read-back's box of the whole system.
Span system_span(const AxisBox& b) {
  Span span;
  span.centre = {(b.xa + b.xe) / 2.0, (b.ya + b.ye) / 2.0, (b.za + b.ze) / 2.0};
  span.half = {(b.xe - b.xa) / 2.0, (b.ye - b.ya) / 2.0, (b.ze - b.za) / 2.0};
  return span;
}

}  // namespace

bool PictureBox::holds(double x, double y, double z) const {
  const double p[3] = {x, y, z};
  for (int j = 0; j < 3; ++j) {
    if (p[j] < lo[j] || p[j] > hi[j]) return false;
  }
  return true;
}

std::array<float, 3> PictureBox::edge_lengths() const {
  double longest = 0.0;
  for (int j = 0; j < 3; ++j) longest = std::max(longest, hi[j] - lo[j]);
  std::array<float, 3> lengths{};
  for (int j = 0; j < 3; ++j) lengths[j] = static_cast<float>(2.0 * (hi[j] - lo[j]) / longest);
  return lengths;
}

PictureBox picture_box(const RunState& state) {
  const bool fitted = state.frame == BoxFrame::path;
  Span span = fitted ? path_span(state) : system_span(state.axes);
  const View& v = state.view;
  const double focus[3] = {v.xf, v.yf, v.zf};
  PictureBox box;
  for (int j = 0; j < 3; ++j) {
    // Enlarged about the focus: every point keeps its direction from the focus.
    const double centre = focus[j] + (span.centre[j] - focus[j]) / v.zoom;
    const double half = span.half[j] / v.zoom;
    box.lo[j] = centre - half;
    box.hi[j] = centre + half;
    box.step[j] = nice_step(box.lo[j], box.hi[j]);
    // A fitted box grows to take in the nearer multiple beyond it while it holds too few.
    while (fitted && numbers_in(box.lo[j], box.hi[j], box.step[j]) < kFewestNumbers) {
      const double below = (std::ceil(box.lo[j] / box.step[j] - kHair) - 1) * box.step[j];
      const double above = (std::floor(box.hi[j] / box.step[j] + kHair) + 1) * box.step[j];
      if (box.lo[j] - below <= above - box.hi[j]) {
        box.lo[j] = below;
      } else {
        box.hi[j] = above;
      }
    }
    box.first[j] = first_number(box.lo[j], box.step[j]);
  }
  return box;
}

}  // namespace app
