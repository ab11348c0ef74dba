// Removal of body slots from the per-slot arrays.
#include "dynamics/remove_bodies.h"
#include "dynamics/shared_blocks.h"

namespace dynamics {

void remove_slot(SharedBlocks& blocks, Bodies& bodies, int k) {
  const int ntot = blocks.counts.total;
  if (k <= blocks.counts.planets) --blocks.counts.planets;
  for (int slot = k; slot < ntot; ++slot) {
    bodies.x[slot] = bodies.x[slot + 1];
    bodies.v[slot] = bodies.v[slot + 1];
    bodies.r[slot] = bodies.r[slot + 1];
    blocks.orbits.a[slot] = blocks.orbits.a[slot + 1];
    blocks.orbits.e[slot] = blocks.orbits.e[slot + 1];
    bodies.radius[slot] = bodies.radius[slot + 1];
    blocks.gm[slot] = blocks.gm[slot + 1];
    blocks.start_slot[slot] = blocks.start_slot[slot + 1];
  }
  blocks.counts.total = ntot - 1;
}

// A repeated entry is set to 0 (slots count from 1) once its body is gone.
void remove_flagged_bodies(SharedBlocks& blocks, Bodies& bodies, SlotList& removal) {
  for (int n = 0; n < removal.count; ++n) {
    const int k = removal.item[static_cast<size_t>(n)];
    if (k == 0) continue;
    remove_slot(blocks, bodies, k);
    for (int later = n + 1; later < removal.count; ++later) {
      int& entry = removal.item[static_cast<size_t>(later)];
      if (entry == k) {
        entry = 0;
      } else if (entry > k) {
        --entry;
      }
    }
  }
}

}  // namespace dynamics
