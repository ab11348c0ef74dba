// The kick over the lanes, compiled for every x86-64 vector extension; the best one is
// chosen at run time.
// Method: the kick of Wisdom & Holman (1991), in heliocentric variables; the encounter
// zone in Hill radii, Hill (1878).
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "survey/batch/kick.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include "dynamics/step_rules.h"
#include "survey/batch/kick.h"
#include "survey/batch/vector_ops.h"

HWY_BEFORE_NAMESPACE();
namespace survey {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;
namespace rules = dynamics::HWY_NAMESPACE;

void kick_lanes(const KickPlanet* planets, size_t count, double dt, ObjectBatch& b) {
  const hn::ScalableTag<double> d;
  const VectorOps<decltype(d)> ops{d};
  const auto one = hn::Set(d, 1.0);
  const auto step = hn::Set(d, dt);
  for (size_t i = 0; i < b.lanes; i += hn::Lanes(d)) {
    const auto x = hn::LoadU(d, &b.now.x[i]), y = hn::LoadU(d, &b.now.y[i]), z = hn::LoadU(d, &b.now.z[i]);
    const auto vx = hn::LoadU(d, &b.now.vx[i]), vy = hn::LoadU(d, &b.now.vy[i]), vz = hn::LoadU(d, &b.now.vz[i]);
    const auto x0 = hn::LoadU(d, &b.at_start.x[i]), y0 = hn::LoadU(d, &b.at_start.y[i]);
    const auto z0 = hn::LoadU(d, &b.at_start.z[i]);
    auto out = hn::LoadU(d, &b.out[i]) > hn::Zero(d);
    auto dvx = hn::Zero(d), dvy = hn::Zero(d), dvz = hn::Zero(d);
    for (size_t p = 0; p < count; ++p) {
      const KickPlanet& planet = planets[p];
      const PullingMass& centre = planet.masses[0];
      const auto sx = hn::Set(d, centre.place[0]) - x, sy = hn::Set(d, centre.place[1]) - y;
      const auto sz = hn::Set(d, centre.place[2]) - z;
      const auto d2 = sx * sx + sy * sy + sz * sz;
      const auto ux = hn::Set(d, planet.velocity_at_kick[0]) - vx, uy = hn::Set(d, planet.velocity_at_kick[1]) - vy;
      const auto uz = hn::Set(d, planet.velocity_at_kick[2]) - vz;
      const auto tx = hn::Set(d, planet.at_start[0]) - x0, ty = hn::Set(d, planet.at_start[1]) - y0;
      const auto tz = hn::Set(d, planet.at_start[2]) - z0;
      const auto surely_outside = rules::surely_outside_encounter_zone(
          ops, d2, tx * tx + ty * ty + tz * tz, ux * ux + uy * uy + uz * uz, planet.hill, dt);
      out = hn::Or(out, hn::Not(surely_outside));
      // The pulls of the planet's masses, summed in their order (a massless centre adds
      // nothing), less the indirect term.
      const auto centre_pull = hn::Set(d, centre.gm) * (one / (d2 * hn::Sqrt(d2)));
      auto ax = centre_pull * sx, ay = centre_pull * sy, az = centre_pull * sz;
      for (size_t m = 1; m < planet.mass_count; ++m) {
        const PullingMass& mass = planet.masses[m];
        const auto px = hn::Set(d, mass.place[0]) - x, py = hn::Set(d, mass.place[1]) - y;
        const auto pz = hn::Set(d, mass.place[2]) - z;
        const auto p2 = px * px + py * py + pz * pz;
        const auto pull = hn::Set(d, mass.gm) * (one / (p2 * hn::Sqrt(p2)));
        ax = ax + pull * px;
        ay = ay + pull * py;
        az = az + pull * pz;
      }
      dvx = dvx + step * (ax - hn::Set(d, planet.indirect[0]));
      dvy = dvy + step * (ay - hn::Set(d, planet.indirect[1]));
      dvz = dvz + step * (az - hn::Set(d, planet.indirect[2]));
    }
    hn::StoreU(vx + dvx, d, &b.now.vx[i]);
    hn::StoreU(vy + dvy, d, &b.now.vy[i]);
    hn::StoreU(vz + dvz, d, &b.now.vz[i]);
    hn::StoreU(hn::IfThenElseZero(out, one), d, &b.out[i]);
  }
}

}  // namespace HWY_NAMESPACE
}  // namespace survey
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace survey {

HWY_EXPORT(kick_lanes);

void kick_batch(const std::vector<KickPlanet>& planets, double dt, ObjectBatch& batch) {
  HWY_DYNAMIC_DISPATCH(kick_lanes)(planets.data(), planets.size(), dt, batch);
}

}  // namespace survey
#endif  // HWY_ONCE
