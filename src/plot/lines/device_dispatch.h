// The hand-over of points to the device: plot units to device coordinates by
// device class, and the path codes of the device interface.
#pragma once

#include "plot/core/plot_state.h"

namespace plotix {

// Device codes of xjdraw (the device interface's path codes).
inline constexpr int kCodeDraw = 2;
inline constexpr int kCodeMove = 3;
inline constexpr int kCodeCloseFill = 5;

// Maps one point to device coordinates and hands it to the device; counts nvec.
void xjdraw(PlotState& st, float x, float y, int code);

// Device coordinates of a plot point by the device class of idev (integer pixels
// for screen, raster and WMF; floats for PS and PDF, turned for landscape pages).
void to_device_coordinates(const PlotState& st, float x, float y, double& dx, double& dy);

}  // namespace plotix
