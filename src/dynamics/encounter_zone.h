// Whether a small body stays out of a planet's encounter zone over a step: beyond three
// Hill radii at the step's start, and beyond three Hill radii plus the step's radial
// travel at the kick. Outside, the kick is a plain pull; inside, the pair is integrated
// together.
#pragma once

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
bool outside_encounter_zone(const PairGeometry& pair, double d, double hill, double dt);

// Squared distances against squared bounds, without a root or a division: true only
// where outside_encounter_zone is true (the radial rate is bounded by the relative speed,
// with a margin far above the rounding of either test). Most pairs are settled here.
bool surely_outside_encounter_zone(const PairGeometry& pair, double hill, double dt);

}  // namespace dynamics
