// The clipping window on the axis area while 2D data are drawn.
#include "plot/axis2d/axis_area_clip.h"

#include <algorithm>

#include "plot/lines/polyline.h"

namespace plotix {

AxisAreaClip::AxisAreaClip(PlotState& s)
    : s_(s), x1_(s.line.nclpx1), y1_(s.line.nclpy1), x2_(s.line.nclpx2), y2_(s.line.nclpy2) {
  if (s.core.inoclip) return;
  qqstrk(s);
  const CoreState& c = s.core;
  s.line.nclpx1 = std::max(x1_, c.nxa);
  s.line.nclpx2 = std::min(x2_, c.nxa + c.nxl - 1);
  s.line.nclpy1 = std::max(y1_, c.nya - c.nyl + 1);
  s.line.nclpy2 = std::min(y2_, c.nya);
}

AxisAreaClip::~AxisAreaClip() {
  qqstrk(s_);
  s_.line.nclpx1 = x1_;
  s_.line.nclpy1 = y1_;
  s_.line.nclpx2 = x2_;
  s_.line.nclpy2 = y2_;
}

}  // namespace plotix
