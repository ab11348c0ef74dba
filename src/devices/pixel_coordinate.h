// Device coordinates of the pixel devices arrive as doubles holding whole numbers;
// this turns them into ints safely, whatever value a caller passes.
#pragma once

#include <algorithm>
#include <cmath>

namespace devices {

// Nearest int, with values far outside any canvas held at a distance that the
// integer arithmetic of the line and fill code cannot overflow.
inline int pixel_coordinate(double v) {
  constexpr double kLimit = 1.0e8;
  if (!(v == v)) return -static_cast<int>(kLimit);  // NaN: somewhere off the canvas
  return static_cast<int>(std::floor(std::clamp(v, -kLimit, kLimit) + 0.5));
}

}  // namespace devices
