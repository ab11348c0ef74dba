// The drift-kick-drift step as the run drives it.
#include "dynamics/step.h"

#include "dynamics/drift_bodies.h"
#include "dynamics/remove_bodies.h"
#include "dynamics/perturb.h"

namespace dynamics {
void take_step(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double& T, double h) {
  T += h;
  encounters.removal.clear();
  encounters.approaches.clear();
  encounters.pairs.clear();
  encounters.passes.clear();
  for (int k = 1; k <= blocks.counts.total; ++k) {
    bodies.x0[k] = bodies.x[k];
    bodies.v0[k] = bodies.v[k];
  }
  drift_bodies(blocks, bodies, encounters, h / 2.0, kBeforeKick);
  perturb(blocks, bodies, encounters, h, T);
  drift_bodies(blocks, bodies, encounters, h / 2.0, kAfterKick);
  for (int n = 1; n < encounters.collision_pairs.count; n += 2) {
    const int body = encounters.collision_pairs.item[static_cast<size_t>(n)];
    encounters.removal.append(body);
    encounters.removal_reason[blocks.start_slot[body]] = RemovalReason::collision;
  }
  remove_flagged_bodies(blocks, bodies, encounters.removal);
}

}  // namespace dynamics
