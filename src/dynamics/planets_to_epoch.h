// Carrying the planets from the epoch of the planet table to the run's epoch.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"

namespace dynamics {

// Longest step of the transfer, days. Chosen so that the Earth ends within 1e-7 AU of
// a tight integration of the same planets for epochs up to 100 years from the table's
// (docs/dynamics.md gives the measurements).
inline constexpr double kPlanetTransferStepDays = 4.0;

// Carries planet slots 1..counts.planets from planet_epoch (JD) to the run's epoch
// blocks.epoch_jd (small bodies, if any, are not moved), under the same heliocentric
// forces as the run: a Kepler drift about the central mass and the pull of the other planets with
// its indirect term. Drift-kick-drift steps of at most max_step_days, composed three at
// a time into a fourth-order step.
void carry_planets_to_epoch(SharedBlocks& blocks, Bodies& bodies, double planet_epoch,
                            double max_step_days = kPlanetTransferStepDays);

}  // namespace dynamics
