// Unwrapping and smoothing the resonant angle.
#include "coorbital/angle_series.h"

#include <algorithm>
#include <cmath>

namespace coorbital {

AngleSeries unwrapped_series(std::vector<std::pair<double, double>> samples) {
  std::sort(samples.begin(), samples.end());
  samples.erase(std::unique(samples.begin(), samples.end(),
                            [](const auto& a, const auto& b) { return a.first == b.first; }),
                samples.end());
  AngleSeries series;
  double turns = 0.0;
  for (const auto& [years, phi] : samples) {
    if (!series.phi.empty()) {
      const double jump = phi + turns - series.phi.back();
      turns -= 360.0 * std::round(jump / 360.0);
    }
    series.years.push_back(years);
    series.phi.push_back(phi + turns);
  }
  return series;
}

AngleSeries smoothed(const AngleSeries& series, double window_yr) {
  AngleSeries result;
  result.years = series.years;
  const std::size_t n = series.phi.size();
  std::vector<double> sums(n + 1, 0.0);
  for (std::size_t i = 0; i < n; ++i) sums[i + 1] = sums[i] + series.phi[i];
  const double half = window_yr / 2.0 + 1e-9;
  std::size_t first = 0, last = 0;  // the window holds [first, last)
  for (std::size_t i = 0; i < n; ++i) {
    while (series.years[first] < series.years[i] - half) ++first;
    while (last < n && series.years[last] <= series.years[i] + half) ++last;
    result.phi.push_back((sums[last] - sums[first]) / static_cast<double>(last - first));
  }
  return result;
}

}  // namespace coorbital
