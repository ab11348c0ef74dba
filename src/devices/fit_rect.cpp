// Scaling a picture into an area with its aspect kept.
#include "devices/fit_rect.h"

#include <algorithm>
#include <cmath>

namespace devices {

FitRect fit_inside(int outer_w, int outer_h, int inner_w, int inner_h) {
  if (outer_w <= 0 || outer_h <= 0 || inner_w <= 0 || inner_h <= 0) return {};
  const double scale = std::min(static_cast<double>(outer_w) / inner_w,
                                static_cast<double>(outer_h) / inner_h);
  FitRect r;
  r.w = std::clamp(static_cast<int>(std::lround(inner_w * scale)), 1, outer_w);
  r.h = std::clamp(static_cast<int>(std::lround(inner_h * scale)), 1, outer_h);
  r.x = (outer_w - r.w) / 2;
  r.y = (outer_h - r.h) / 2;
  return r;
}

}  // namespace devices
