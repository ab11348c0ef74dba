// The clipping window: the inside test, segment clipping, and the clipped
// hand-over of a whole path to the device.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// 1 when (x, y) lies inside the clipping window (with its 0.001 tolerance), else 0.
int jqqclp(const PlotState& st, float x, float y);
// Draws the visible part of one segment, moving first where it (re)enters.
void clip2d(PlotState& st, float x1, float y1, float x2, float y2);

// Hands a path to the device point by point, clipped at the clipping window: a
// move to the first point when it is inside, then a draw per segment, with the
// moves clipping needs where the path re-enters the window.
class PathStroker {
 public:
  explicit PathStroker(PlotState& st) : st_(st) {}
  void point(float x, float y);

 private:
  PlotState& st_;
  bool started_ = false;
  bool previous_inside_ = false;
  float px_ = 0.0f, py_ = 0.0f;
};

}  // namespace plotix
