// Finding the turning points of the resonant angle.
#include "coorbital/turning_points.h"

namespace coorbital {

namespace {

// Every reversal of at least `reversal` degrees, the extreme before it a turning point.
std::vector<TurningPoint> reversals(const std::vector<double>& phi, double reversal) {
  std::vector<TurningPoint> found;
  std::size_t low = 0, high = 0;  // extremes so far: before the first reversal, both are watched
  int trend = 0;                   // +1 rising (watching a maximum), -1 falling, 0 not known yet
  for (std::size_t i = 1; i < phi.size(); ++i) {
    if (phi[i] > phi[high]) high = i;
    if (phi[i] < phi[low]) low = i;
    if (trend >= 0 && phi[high] - phi[i] >= reversal) {
      if (trend > 0) found.push_back({high, true});
      trend = -1;
      low = i;
    } else if (trend <= 0 && phi[i] - phi[low] >= reversal) {
      if (trend < 0) found.push_back({low, false});
      trend = 1;
      high = i;
    }
  }
  return found;
}

}  // namespace

std::vector<TurningPoint> turning_points(const AngleSeries& series, double reversal_deg, double shortest_pair_yr) {
  std::vector<TurningPoint> points = reversals(series.phi, reversal_deg);
  for (bool dropped = true; dropped;) {
    dropped = false;
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
      if (series.years[points[k + 1].index] - series.years[points[k].index] < shortest_pair_yr) {
        // A maximum and a minimum go together, so the kinds left still alternate.
        points.erase(points.begin() + static_cast<std::ptrdiff_t>(k), points.begin() + static_cast<std::ptrdiff_t>(k) + 2);
        dropped = true;
        break;
      }
    }
  }
  return points;
}

}  // namespace coorbital
