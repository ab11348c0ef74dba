// `perturb`: the kick of one step (planetary pulls with the indirect terms), with the
// small body's close encounters integrated apart, close-approach records and
// collisions.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/encounter_lists.h"

namespace dynamics {

// Kick over the full step dt (signed); T is the clock at the end of the step (years).
// Empties the collision pair, encounter and carry-over lists on entry. Appends one
// record to encounters.approaches per close approach found (collision set when the
// pericentre lies inside the planet, the pair then going to collision_pairs). Every
// encounter integration appends its pair to encounters.pairs and every closest approach
// it finds to encounters.passes, whatever its distance.
void perturb(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double dt, double T);

// perturb without the planets' pulls on each other: the small bodies kicked (and their
// encounters integrated) by the planets as the slots hold them, the planets left as they
// are. For a run whose planets are stepped apart from it.
void kick_small_bodies_only(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double dt, double T);

}  // namespace dynamics
