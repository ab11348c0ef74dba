// Whether a small body stays out of a planet's encounter zone over a step: beyond three
// Hill radii (kZoneHillRadii) at the step's start, and beyond three Hill radii plus the
// step's radial travel at the kick. Outside, the kick is a plain pull; inside, the pair is
// integrated together. The cheap test that settles most pairs first is one of the rules
// of step_rules.h.
// Method: the Hill radius of Hill (1878), Researches in the lunar theory.
#pragma once

#include <cmath>

#include "dynamics/step_rules.h"
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
  return d > hill * (kZoneHillRadii + std::fabs(radial_rate * dt) / hill) &&
         norm(pair.start_separation) > kZoneHillRadii * hill;
}

}  // namespace dynamics
