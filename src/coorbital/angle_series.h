// The resonant angle of one object as a time series: unwrapped, so that a circulation
// shows as a steady drift, and smoothed.
#pragma once

#include <utility>
#include <vector>

namespace coorbital {

struct AngleSeries {
  std::vector<double> years;  // from the object's epoch, increasing
  std::vector<double> phi;    // degrees, unwrapped (no jumps of 360)
};

// The series of (years, phi in (-180, 180]) samples in any order: sorted by time, a time
// given twice taken once, and unwrapped.
AngleSeries unwrapped_series(std::vector<std::pair<double, double>> samples);

// Each value replaced by the mean of the values within window_yr / 2 of its time (fewer
// at the ends).
AngleSeries smoothed(const AngleSeries& series, double window_yr);

}  // namespace coorbital
