// Judging a stretch of the resonant angle by its range.
// Method: tadpoles and horseshoes of Dermott & Murray (1981); quasi-satellites of Mikkola et al. (2006).
#include "coorbital/libration_class.h"

#include <cmath>

namespace coorbital {

namespace {

// How many of the lines offset + 360 k the range passes by more than the margin on both sides.
int crossings(double low, double high, double offset, double margin) {
  const double first = std::ceil((low + margin - offset) / 360.0);
  const double last = std::floor((high - margin - offset) / 360.0);
  return last >= first ? static_cast<int>(last - first) + 1 : 0;
}

}  // namespace

std::string_view motion_name(Motion motion) {
  switch (motion) {
    case Motion::quasi_satellite: return "quasi-satellite";
    case Motion::trojan_l4: return "trojan-L4";
    case Motion::trojan_l5: return "trojan-L5";
    case Motion::horseshoe: return "horseshoe";
    case Motion::passing: break;
  }
  return "passing";
}

double wrapped_middle(double low, double high) {
  double middle = std::fmod((low + high) / 2.0, 360.0);
  if (middle > 180.0) middle -= 360.0;
  if (middle <= -180.0) middle += 360.0;
  return middle;
}

Motion motion_of_range(double low, double high, const Thresholds& thresholds) {
  const double margin = thresholds.crossing_margin_deg;
  const int zeros = crossings(low, high, 0.0, margin);
  const int opposites = crossings(low, high, 180.0, margin);
  const double middle = wrapped_middle(low, high);
  const Motion trojan = middle > 0.0 ? Motion::trojan_l4 : Motion::trojan_l5;
  if (zeros == 0 && opposites == 0) {
    return std::fabs(middle) < thresholds.quasi_satellite_reach_deg ? Motion::quasi_satellite : trojan;
  }
  if (opposites == 0) return zeros == 1 ? Motion::quasi_satellite : Motion::passing;
  if (opposites > 1) return Motion::passing;
  // Seen from the planet's opposite point: the range shifted so that 180 lies inside.
  const double shift = 360.0 * std::ceil((low + margin - 180.0) / 360.0);
  const double from = low - shift, to = high - shift;
  const double edge = thresholds.trojan_edge_deg, overshoot = thresholds.horseshoe_overshoot_deg;
  if (from < -overshoot || to > 360.0 + overshoot) return Motion::passing;
  if (from <= edge && to >= 360.0 - edge) return Motion::horseshoe;
  return zeros == 0 ? trojan : Motion::passing;
}

}  // namespace coorbital
