// `drift_bodies`: the half-step Kepler drift of every body, with the tests that take a
// body out of the run (hyperbolic or nearly so, fallen into the Sun, ejected).
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/encounter_lists.h"

namespace dynamics {

inline constexpr int kBeforeKick = 1;
inline constexpr int kAfterKick = 2;

// Drifts slots first_slot..ntot by half_dt (a run whose planets move apart from it
// passes the first small body's slot). Skips slots already in the removal list, and in
// mode kBeforeKick the bodies of the carry-over list, in mode kAfterKick those of the
// encounter list (their whole step comes from the encounter integration). Updates r
// and the orbits arrays; appends lost bodies to the removal list without moving them,
// recording why (sun or ejection) in removal_reason.
void drift_bodies(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double half_dt,
                  int mode, int first_slot = 1);

}  // namespace dynamics
