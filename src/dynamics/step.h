// One step of the integration: half drift, kick with encounters, half drift, removals.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/encounter_lists.h"

namespace dynamics {

// Advances the clock T (years since the epoch) by the signed step h and the bodies
// with it. Empties the removal list and this step's close-approach records first;
// bodies lost on the way are removed from the slots before returning, each with its
// encounters.removal_reason (the small body is gone when counts.total falls to
// counts.planets).
void take_step(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double& T, double h);

}  // namespace dynamics
