// Lines and fills of the 2D axis system cut at the edges of its axis area: the clipping
// window narrowed for the lifetime of the object, unless noclip asked for the page.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

class AxisAreaClip {
 public:
  explicit AxisAreaClip(PlotState& s);
  ~AxisAreaClip();
  AxisAreaClip(const AxisAreaClip&) = delete;
  AxisAreaClip& operator=(const AxisAreaClip&) = delete;

 private:
  PlotState& s_;
  int x1_, y1_, x2_, y2_;
};

}  // namespace plotix
