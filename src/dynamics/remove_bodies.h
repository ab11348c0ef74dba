// `remove_slot`: removal of one body slot, later slots moving down by one; and the
// removal of every slot of a step's removal list.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/encounter_lists.h"

namespace dynamics {

// Removes slot k (1..counts.total): shifts x, v, r, orbits, radius, gm and start_slot down
// and lowers counts (the planets too when k is a planet). Arrays indexed by start-up slot
// (planet_number, encounter senses, removal reasons) are not touched.
void remove_slot(SharedBlocks& blocks, Bodies& bodies, int k);

// Removes the listed slots in order with remove_slot, lowering the later entries past each
// removal. A slot listed twice (lost in a drift and by a collision in the same step)
// is removed once: removing it again would take out the body that moved into its place.
void remove_flagged_bodies(SharedBlocks& blocks, Bodies& bodies, SlotList& removal);

}  // namespace dynamics
