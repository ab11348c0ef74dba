// Half-step heliocentric Kepler drift of all bodies with the removal tests.
#include "dynamics/drift_bodies.h"

#include <array>

#include "dynamics/drift.h"
#include "dynamics/step_rules.h"
#include "dynamics/shared_blocks.h"

namespace dynamics {
namespace {

enum class Fate { skipped, lost, drifted };

// Why a body that fails the tests before its drift is lost: a hyperbola leaves; a bound
// orbit too small to follow, or a body inside the capture radius, has fallen into the
// Sun; any other is beyond the ejection limits.
RemovalReason reason_before_drift(double a, double r, const SharedBlocks& blocks) {
  if (a < 0.0) return RemovalReason::ejection;
  if (a < kMinSemimajor || r < blocks.sun_limits.capture) return RemovalReason::sun;
  return RemovalReason::ejection;
}

void remove(SharedBlocks& blocks, Encounters& encounters, int i, RemovalReason reason) {
  encounters.removal.append(i);
  encounters.removal_reason[blocks.start_slot[i]] = reason;
}

}  // namespace

void drift_bodies(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double half_dt,
                  int mode, int first_slot) {
  const double gm_central = blocks.constants.gm_central;
  const int ntot = blocks.counts.total;
  // First the tests that need no drift; the drifts themselves then run side by side
  // (drift_orbit_lanes), and the outcomes are taken in slot order.
  std::array<Fate, kMaxBodies + 1> fate;
  std::array<RemovalReason, kMaxBodies + 1> reason;
  std::array<double, kMaxBodies + 1> semimajor;
  std::array<DriftLane, kMaxBodies> lanes;
  std::array<int, kMaxBodies + 1> lane_of;
  int count = 0;
  for (int i = first_slot; i <= ntot; ++i) {
    fate[i] = Fate::skipped;
    if (encounters.removal.contains(i)) continue;
    if (mode == kBeforeKick && encounters.carry_over.contains(blocks.start_slot[i])) continue;
    if (mode == kAfterKick && encounters.encounter.contains(blocks.start_slot[i])) continue;
    const double r = bodies.r[i];
    const double a = semimajor_axis(gm_central, blocks.gm[i], r, bodies.v[i]);
    semimajor[i] = a;
    if (drifts(kScalar, a, r, blocks.sun_limits, blocks.ejection)) {
      fate[i] = Fate::drifted;
      lane_of[i] = count;
      lanes[static_cast<size_t>(count++)] = DriftLane{bodies.x[i], bodies.v[i], r, a, blocks.orbits.e[i], 0.0, 0, blocks.gm[i]};
    } else {
      fate[i] = Fate::lost;
      reason[i] = reason_before_drift(a, r, blocks);
    }
  }
  drift_orbit_lanes(gm_central, half_dt, lanes.data(), count);
  for (int i = first_slot; i <= ntot; ++i) {
    if (fate[i] == Fate::skipped) continue;
    if (fate[i] == Fate::lost) {
      blocks.orbits.a[i] = semimajor[i];
      remove(blocks, encounters, i, reason[i]);
      continue;
    }
    const DriftLane& lane = lanes[static_cast<size_t>(lane_of[i])];
    const double q = (1.0 - lane.e) * semimajor[i];
    const bool fell = falls_into_sun(kScalar, q, lane.r, dot(bodies.x[i], bodies.v[i]), dot(lane.X, lane.V), half_dt,
                                     blocks.sun_limits);
    bodies.r[i] = lane.r;
    blocks.orbits.e[i] = lane.e;
    if (lane.flag != 0 || fell) {
      remove(blocks, encounters, i, RemovalReason::sun);
    } else {
      blocks.orbits.a[i] = semimajor[i];
      bodies.x[i] = lane.X;
      bodies.v[i] = lane.V;
    }
  }
}

}  // namespace dynamics
