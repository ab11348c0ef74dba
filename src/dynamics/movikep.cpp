// Half-step heliocentric Kepler drift of all bodies with the removal tests.
#include "dynamics/movikep.h"

#include "dynamics/drift.h"

namespace dynamics {
namespace {

// Below this semimajor axis (AU), every hyperbola included, a body is given up.
constexpr double kMinSemimajor = 5e-6;

}  // namespace

void movikep(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double half_dt,
             int mode) {
  const double gm_central = blocks.cte.gm_central;
  for (int i = 1; i <= blocks.unir.ntot; ++i) {
    if (encounters.removal.contains(i)) continue;
    if (mode == kBeforeKick && encounters.carry_over.contains(blocks.primor[i])) continue;
    if (mode == kAfterKick && encounters.encounter.contains(blocks.primor[i])) continue;
    Vec3& x = bodies.x[i];
    Vec3& v = bodies.v[i];
    const double r = bodies.r[i];
    const double a = 1.0 / (2.0 / r - dot(v, v) / (gm_central + blocks.pmass[i]));
    if (a < kMinSemimajor || r < blocks.radiosol.capture) {
      blocks.elpla.a[i] = a;
      encounters.removal.append(i);
    } else if (a <= blocks.codigo.max_semimajor || r <= blocks.codigo.max_distance) {
      Vec3 X = x, V = v;
      double r_new = r, e = blocks.elpla.e[i], q = 0.0;
      int flag = 0;
      movrel(gm_central, half_dt, X, V, r_new, e, q, flag, blocks.pmass[i]);
      q = (1.0 - e) * a;
      bodies.r[i] = r_new;
      blocks.elpla.e[i] = e;
      if (flag != 0 || (q < blocks.radiosol.capture && r_new < blocks.radiosol.close)) {
        encounters.removal.append(i);
      } else {
        blocks.elpla.a[i] = a;
        x = X;
        v = V;
      }
    } else {
      // Ejected beyond the planetary region.
      blocks.elpla.a[i] = a;
      encounters.removal.append(i);
    }
  }
}

}  // namespace dynamics
