// The line pipeline: pending polyline, dashing, stroking with clipping, and the
// dispatch of points to the device. Coordinates are plot units (0.1 mm, origin at
// the top-left page corner, y downward).
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Starts a polyline at (x + nxorg, y + nyorg): strokes the pending one first.
void strtqq(PlotState& st, float x, float y);
// Continues the polyline to (x + nxorg, y + nyorg), solid or dashed.
void connqq(PlotState& st, float x, float y);
// Strokes the pending polyline and starts a new one at (x, y) (no origin offset).
void qqmove(PlotState& st, float x, float y);
// Appends (x, y) to the pending polyline (no origin offset).
void qqdraw(PlotState& st, float x, float y);
// Strokes and empties the pending polyline.
void qqstrk(PlotState& st);
// Restarts the dash pattern at its first element (myline and the start of a curve).
void qqdashrestart(PlotState& st);

// 1 when (x, y) lies inside the clipping window (with its 0.001 tolerance), else 0.
int jqqclp(const PlotState& st, float x, float y);
// Draws the visible part of one segment, moving first where it (re)enters.
void clip2d(PlotState& st, float x1, float y1, float x2, float y2);

// Device codes of xjdraw (the device interface's path codes).
inline constexpr int kCodeDraw = 2;
inline constexpr int kCodeMove = 3;
inline constexpr int kCodeCloseFill = 5;

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

// Maps one point to device coordinates and hands it to the device; counts nvec.
void xjdraw(PlotState& st, float x, float y, int code);

// Device coordinates of a plot point by the device class of idev (integer pixels
// for screen, raster and WMF; floats for PS and PDF, turned for landscape pages).
void qqdevxy(const PlotState& st, float x, float y, double& dx, double& dy);

}  // namespace plotix
