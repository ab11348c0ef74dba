// Slot lists and the start-of-run state of the encounter bookkeeping.
#include "dynamics/encounter_lists.h"

namespace dynamics {

void SlotList::append(int value) {
  if (count < kListCapacity) item[static_cast<size_t>(count++)] = value;
}

void SlotList::clear() { count = 0; }

void start_run(Encounters& encounters) {
  encounters.sense.fill(RadialSense::approaching);
  encounters.moon_sense.fill(RadialSense::approaching);
  encounters.removal.clear();
  encounters.collision_pairs.clear();
  encounters.encounter.clear();
  encounters.carry_over.clear();
  encounters.approaches.clear();
  encounters.pairs.clear();
  encounters.passes.clear();
  encounters.hill_factor.fill(0.0);
  encounters.removal_reason.fill(RemovalReason::none);
}

}  // namespace dynamics
