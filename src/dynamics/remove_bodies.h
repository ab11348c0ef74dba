// `ordena`: removal of one body slot, later slots moving down by one; and the
// removal of every slot of a step's removal list.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/encounter_lists.h"

namespace dynamics {

// Removes slot k (1..ntot): shifts x, v, r, elpla, radius, pmass and primor down and
// lowers unir (npla too when k is a planet). Arrays indexed by start-up slot (nplaini,
// encounter flags) are not touched.
void ordena(SharedBlocks& blocks, Bodies& bodies, int k);

// Removes the listed slots in order with ordena, lowering the later entries past each
// removal. A slot listed twice (lost in a drift and by a collision in the same step)
// is removed once: removing it again would take out the body that moved into its place.
void remove_listed(SharedBlocks& blocks, Bodies& bodies, SlotList& removal);

}  // namespace dynamics
