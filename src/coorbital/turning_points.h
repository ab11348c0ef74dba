// The turning points of the resonant angle: where it stops rising or falling and comes
// back by a clear amount.
#pragma once

#include <cstddef>
#include <vector>

#include "coorbital/angle_series.h"

namespace coorbital {

struct TurningPoint {
  std::size_t index = 0;  // into the series
  bool maximum = false;
};

// The extremes of phi after which it reverses by at least reversal_deg, maxima and minima
// in turn. Two neighbours closer than shortest_pair_yr are a stall during a close
// approach, not a libration: both are dropped.
std::vector<TurningPoint> turning_points(const AngleSeries& series, double reversal_deg, double shortest_pair_yr);

}  // namespace coorbital
