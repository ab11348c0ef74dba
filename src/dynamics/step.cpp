// The drift-kick-drift step as the run drives it.
// Method: Wisdom & Holman (1991), Symplectic maps for the n-body problem, in heliocentric variables.
#include "dynamics/step.h"

#include "dynamics/drift_bodies.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/remove_bodies.h"
#include "dynamics/perturb.h"

namespace dynamics {
namespace {

void start_step(const SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double& T, double h) {
  T += h;
  encounters.removal.clear();
  encounters.approaches.clear();
  encounters.pairs.clear();
  encounters.passes.clear();
  for (int k = 1; k <= blocks.counts.total; ++k) {
    bodies.x0[k] = bodies.x[k];
    bodies.v0[k] = bodies.v[k];
  }
}

void finish_step(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters) {
  for (int n = 1; n < encounters.collision_pairs.count; n += 2) {
    const int body = encounters.collision_pairs.item[static_cast<size_t>(n)];
    encounters.removal.append(body);
    encounters.removal_reason[blocks.start_slot[body]] = RemovalReason::collision;
  }
  remove_flagged_bodies(blocks, bodies, encounters.removal);
}

void place_planets(const SharedBlocks& blocks, Bodies& bodies, const PlanetPlace* places) {
  for (int p = 1; p <= blocks.counts.planets; ++p) {
    const PlanetPlace& place = places[p - 1];
    bodies.x[p] = place.x;
    bodies.v[p] = place.v;
    bodies.r[p] = place.r;
  }
}

}  // namespace

void take_step(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double& T, double h) {
  start_step(blocks, bodies, encounters, T, h);
  drift_bodies(blocks, bodies, encounters, h / 2.0, kBeforeKick);
  perturb(blocks, bodies, encounters, h, T);
  drift_bodies(blocks, bodies, encounters, h / 2.0, kAfterKick);
  finish_step(blocks, bodies, encounters);
}

void take_step_with_planets(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double& T, double h,
                            const PlanetStep& planets) {
  start_step(blocks, bodies, encounters, T, h);
  const int first_small_body = blocks.counts.planets + 1;
  drift_bodies(blocks, bodies, encounters, h / 2.0, kBeforeKick, first_small_body);
  place_planets(blocks, bodies, planets.at_kick);
  kick_small_bodies_only(blocks, bodies, encounters, h, T);
  drift_bodies(blocks, bodies, encounters, h / 2.0, kAfterKick, first_small_body);
  place_planets(blocks, bodies, planets.at_end);
  finish_step(blocks, bodies, encounters);
}

}  // namespace dynamics
