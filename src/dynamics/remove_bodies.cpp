// Removal of body slots from the per-slot arrays.
#include "dynamics/remove_bodies.h"

namespace dynamics {

void ordena(SharedBlocks& blocks, Bodies& bodies, int k) {
  const int ntot = blocks.unir.ntot;
  if (k <= blocks.unir.npla) --blocks.unir.npla;
  for (int slot = k; slot < ntot; ++slot) {
    bodies.x[slot] = bodies.x[slot + 1];
    bodies.v[slot] = bodies.v[slot + 1];
    bodies.r[slot] = bodies.r[slot + 1];
    blocks.elpla.a[slot] = blocks.elpla.a[slot + 1];
    blocks.elpla.e[slot] = blocks.elpla.e[slot + 1];
    bodies.radius[slot] = bodies.radius[slot + 1];
    blocks.pmass[slot] = blocks.pmass[slot + 1];
    blocks.primor[slot] = blocks.primor[slot + 1];
  }
  blocks.unir.ntot = ntot - 1;
}

// A repeated entry is set to 0 (slots count from 1) once its body is gone.
void remove_listed(SharedBlocks& blocks, Bodies& bodies, SlotList& removal) {
  for (int n = 0; n < removal.count; ++n) {
    const int k = removal.item[static_cast<size_t>(n)];
    if (k == 0) continue;
    ordena(blocks, bodies, k);
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
