// The semimajor axis from the mean motion.
#include "sky/object_elements.h"

#include <cmath>

#include "dynamics/constants.h"

namespace sky {
namespace {

// The Gaussian gravitational constant, radians per day.
constexpr double kGaussK = 0.01720209895;

}  // namespace

double semimajor_axis_from_mean_motion(double mean_motion_deg_per_day) {
  const double n = mean_motion_deg_per_day * dynamics::kDegToRad;
  return std::cbrt(kGaussK * kGaussK / (n * n));
}

dynamics::OrbitalElements elements_in_sky(const dynamics::OrbitalElements& elements, double mean_motion_deg_per_day,
                                          Sky sky) {
  dynamics::OrbitalElements chosen = elements;
  if (sky == Sky::ephemeris && mean_motion_deg_per_day > 0.0)
    chosen.a = semimajor_axis_from_mean_motion(mean_motion_deg_per_day);
  return chosen;
}

}  // namespace sky
