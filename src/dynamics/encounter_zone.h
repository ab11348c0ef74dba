// Whether a small body stays out of a planet's encounter zone over a step: beyond three
// Hill radii at the step's start, and beyond three Hill radii plus the step's radial
// travel at the kick. Outside, the kick is a plain pull; inside, the pair is integrated
// together.
// Method: the Hill radius of Hill (1878), Researches in the lunar theory.
#pragma once

#include <cmath>

#include "dynamics/vec3.h"

namespace dynamics {

// Planet minus body at the kick and at the step's start, and their relative velocity at
// the kick.
struct PairGeometry {
  Vec3 separation;
  Vec3 start_separation;
  Vec3 relative_velocity;
};

// The full test, with the distance d = |separation| at the kick, hill the planet's Hill
// radius and dt the signed step.
inline bool outside_encounter_zone(const PairGeometry& pair, double d, double hill, double dt) {
  const double radial_rate = dot(pair.separation, pair.relative_velocity) / d;
  return d > hill * (3.0 + std::fabs(radial_rate * dt) / hill) && norm(pair.start_separation) > 3.0 * hill;
}

// Relative margin of the cheap test over the rounding of both tests (a few 1e-16).
inline constexpr double kZoneMargin = 1.0 + 1e-12;

// Squared distances against squared bounds, without a root or a division: true only
// where outside_encounter_zone is true (the radial rate is bounded by the relative speed,
// with a margin far above the rounding of either test). Most pairs are settled here.
// Inline: it runs for every object-planet pair of every step.
inline bool surely_outside_encounter_zone(const PairGeometry& pair, double hill, double dt) {
  // (3 hill + |rate dt|)^2 <= 2 (9 hill^2 + speed^2 dt^2), as (a + b)^2 <= 2 (a^2 + b^2).
  const double zone_squared = 9.0 * hill * hill;
  const double travel_squared = dot(pair.relative_velocity, pair.relative_velocity) * dt * dt;
  return dot(pair.separation, pair.separation) > kZoneMargin * 2.0 * (zone_squared + travel_squared) &&
         dot(pair.start_separation, pair.start_separation) > kZoneMargin * zone_squared;
}

}  // namespace dynamics
