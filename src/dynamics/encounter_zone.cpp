// The encounter zone test, full and cheap.
#include "dynamics/encounter_zone.h"

#include <cmath>

namespace dynamics {
namespace {

// Relative margin of the cheap test over the rounding of both tests (a few 1e-16).
constexpr double kMargin = 1.0 + 1e-12;

}  // namespace

bool outside_encounter_zone(const PairGeometry& pair, double d, double hill, double dt) {
  const double radial_rate = dot(pair.separation, pair.relative_velocity) / d;
  return d > hill * (3.0 + std::fabs(radial_rate * dt) / hill) && norm(pair.start_separation) > 3.0 * hill;
}

bool surely_outside_encounter_zone(const PairGeometry& pair, double hill, double dt) {
  // (3 hill + |rate dt|)^2 <= 2 (9 hill^2 + speed^2 dt^2), as (a + b)^2 <= 2 (a^2 + b^2).
  const double zone_squared = 9.0 * hill * hill;
  const double travel_squared = dot(pair.relative_velocity, pair.relative_velocity) * dt * dt;
  return dot(pair.separation, pair.separation) > kMargin * 2.0 * (zone_squared + travel_squared) &&
         dot(pair.start_separation, pair.start_separation) > kMargin * zone_squared;
}

}  // namespace dynamics
