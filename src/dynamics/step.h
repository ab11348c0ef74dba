// One step of the integration: half drift, kick with encounters, half drift, removals.
// Method: Wisdom & Holman (1991), Symplectic maps for the n-body problem, in heliocentric variables.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/encounter_lists.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/vec3.h"

namespace dynamics {

// Advances the clock T (years since the epoch) by the signed step h and the bodies
// with it. Empties the removal list and this step's close-approach records first;
// bodies lost on the way are removed from the slots before returning, each with its
// encounters.removal_reason (the small body is gone when counts.total falls to
// counts.planets).
void take_step(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double& T, double h);

// A planet's state as a step leaves it in its slot: position, velocity, distance.
struct PlanetPlace {
  Vec3 x;
  Vec3 v;
  double r;
};

// Where take_step leaves planet slot p (index p - 1) during one step: after the first
// half drift, where the small bodies' kick sees it, and at the step's end.
struct PlanetStep {
  const PlanetPlace* at_kick;
  const PlanetPlace* at_end;
};

// take_step for the small bodies of a run whose planets were stepped apart: the planets'
// slots are set from `planets` instead of being drifted and kicked again. Since the
// small bodies do not pull the planets, every body ends the step exactly as take_step
// leaves it, provided `planets` is what take_step did to the planets from their states
// now in the slots.
void take_step_with_planets(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double& T, double h,
                            const PlanetStep& planets);

}  // namespace dynamics
