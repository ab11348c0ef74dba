// Half-step heliocentric Kepler drift of all bodies with the removal tests.
#include "dynamics/drift_bodies.h"

#include <array>

#include "dynamics/drift.h"

namespace dynamics {
namespace {

// Below this semimajor axis (AU), every hyperbola included, a body is given up.
constexpr double kMinSemimajor = 5e-6;

enum class Fate { skipped, lost, drifted };

}  // namespace

void drift_bodies(SharedBlocks& blocks, Bodies& bodies, Encounters& encounters, double half_dt,
                  int mode) {
  const double gm_central = blocks.constants.gm_central;
  const int ntot = blocks.counts.total;
  // First the tests that need no drift; the drifts themselves then run side by side
  // (drift_orbit_lanes), and the outcomes are taken in slot order.
  std::array<Fate, kMaxBodies + 1> fate;
  std::array<double, kMaxBodies + 1> semimajor;
  std::array<DriftLane, kMaxBodies> lanes;
  std::array<int, kMaxBodies + 1> lane_of;
  int count = 0;
  for (int i = 1; i <= ntot; ++i) {
    fate[i] = Fate::skipped;
    if (encounters.removal.contains(i)) continue;
    if (mode == kBeforeKick && encounters.carry_over.contains(blocks.start_slot[i])) continue;
    if (mode == kAfterKick && encounters.encounter.contains(blocks.start_slot[i])) continue;
    const double r = bodies.r[i];
    const double a = semimajor_axis(gm_central, blocks.gm[i], r, bodies.v[i]);
    semimajor[i] = a;
    if (a < kMinSemimajor || r < blocks.sun_limits.capture) {
      fate[i] = Fate::lost;  // hyperbolic or nearly so, or fallen into the Sun
    } else if (a <= blocks.ejection.max_semimajor || r <= blocks.ejection.max_distance) {
      fate[i] = Fate::drifted;
      lane_of[i] = count;
      lanes[static_cast<size_t>(count++)] = DriftLane{bodies.x[i], bodies.v[i], r, a, blocks.orbits.e[i], 0.0, 0, blocks.gm[i]};
    } else {
      fate[i] = Fate::lost;  // ejected beyond the planetary region
    }
  }
  drift_orbit_lanes(gm_central, half_dt, lanes.data(), count);
  for (int i = 1; i <= ntot; ++i) {
    if (fate[i] == Fate::skipped) continue;
    if (fate[i] == Fate::lost) {
      blocks.orbits.a[i] = semimajor[i];
      encounters.removal.append(i);
      continue;
    }
    const DriftLane& lane = lanes[static_cast<size_t>(lane_of[i])];
    const double q = (1.0 - lane.e) * semimajor[i];
    // A perihelion passed during the drift (the radial velocity turned from approach to
    // recession in the direction of the drift) inside the capture radius is a fall into
    // the Sun, even when both ends of the drift lie outside the close limit.
    const double sign = half_dt < 0.0 ? -1.0 : 1.0;
    const bool passed_perihelion =
        sign * dot(bodies.x[i], bodies.v[i]) < 0.0 && sign * dot(lane.X, lane.V) >= 0.0;
    bodies.r[i] = lane.r;
    blocks.orbits.e[i] = lane.e;
    if (lane.flag != 0 ||
        (q < blocks.sun_limits.capture && (lane.r < blocks.sun_limits.close || passed_perihelion))) {
      encounters.removal.append(i);
    } else {
      blocks.orbits.a[i] = semimajor[i];
      bodies.x[i] = lane.X;
      bodies.v[i] = lane.V;
    }
  }
}

}  // namespace dynamics
