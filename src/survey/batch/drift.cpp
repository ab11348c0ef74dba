// The drift in three passes over the lanes: the orbit, the anomaly equation iterated for
// all lanes together (a lane frozen once it settles), and the f and g functions. Compiled
// for every x86-64 vector extension; the best one is chosen at run time.
// Method: Danby & Burkardt (1983), The solution of Kepler's equation I; the f and g
// functions of Danby (1988).
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "survey/batch/drift.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include "dynamics/step_rules.h"
#include "survey/batch/drift.h"
#include "survey/batch/sincos.h"
#include "survey/batch/vector_ops.h"

HWY_BEFORE_NAMESPACE();
namespace survey {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;
namespace rules = dynamics::HWY_NAMESPACE;

// The orbit of each lane (drift_bodies' tests before the drift, then start_drift) and the
// start of its anomaly equation. Returns how many lanes have an equation to solve.
size_t start_drift_lanes(const DriftLimits& limits, double dt, ObjectBatch& b) {
  const hn::ScalableTag<double> d;
  const VectorOps<decltype(d)> ops{d};
  const auto one = hn::Set(d, 1.0);
  const auto mu = hn::Set(d, limits.gm_central);
  size_t open = 0;
  for (size_t i = 0; i < b.lanes; i += hn::Lanes(d)) {
    const auto x = hn::LoadU(d, &b.now.x[i]), y = hn::LoadU(d, &b.now.y[i]), z = hn::LoadU(d, &b.now.z[i]);
    const auto vx = hn::LoadU(d, &b.now.vx[i]), vy = hn::LoadU(d, &b.now.vy[i]), vz = hn::LoadU(d, &b.now.vz[i]);
    const auto r = hn::LoadU(d, &b.now.r[i]);
    const auto a = one / (hn::Set(d, 2.0) / r - (vx * vx + vy * vy + vz * vz) / mu);
    const auto drifts = rules::drifts(ops, a, r, limits.sun, limits.ejection);
    const auto c0 = one - r / a;
    const auto n = hn::Sqrt(mu / (a * a * a));
    const auto s0 = (x * vx + y * vy + z * vz) / (a * a * n);
    const auto e = hn::Sqrt(c0 * c0 + s0 * s0);
    const auto near_parabola = rules::near_parabola(ops, e);
    const auto was_out = hn::LoadU(d, &b.out[i]) > hn::Zero(d);
    const auto out = hn::Or(hn::Or(was_out, hn::Not(drifts)), near_parabola);
    const auto target = n * hn::Set(d, dt);
    hn::StoreU(a, d, &b.semimajor[i]);
    hn::StoreU(c0, d, &b.c0[i]);
    hn::StoreU(s0, d, &b.s0[i]);
    hn::StoreU(n, d, &b.mean_motion[i]);
    hn::StoreU((one - e) * a, d, &b.perihelion[i]);
    hn::StoreU(target, d, &b.target[i]);
    hn::StoreU(target, d, &b.dE[i]);
    hn::StoreU(hn::IfThenElseZero(out, one), d, &b.out[i]);
    hn::StoreU(hn::IfThenZeroElse(out, one), d, &b.open[i]);
    open += hn::CountTrue(d, hn::Not(out));
  }
  return open;
}

// One iteration of keprel's equation for the open lanes, sin_x and cos_x holding the sine
// and cosine of each lane's dE. Returns how many lanes are still open.
size_t iterate_anomaly_lanes(ObjectBatch& b) {
  const hn::ScalableTag<double> d;
  const auto one = hn::Set(d, 1.0);
  const auto half = hn::Set(d, 0.5);
  size_t open = 0;
  for (size_t i = 0; i < b.lanes; i += hn::Lanes(d)) {
    const auto is_open = hn::LoadU(d, &b.open[i]) > hn::Zero(d);
    const auto c0 = hn::LoadU(d, &b.c0[i]), s0 = hn::LoadU(d, &b.s0[i]);
    const auto x = hn::LoadU(d, &b.dE[i]);
    const auto sin_x = hn::LoadU(d, &b.sin_x[i]), cos_x = hn::LoadU(d, &b.cos_x[i]);
    const auto F = x - c0 * sin_x + s0 * (one - cos_x) - hn::LoadU(d, &b.target[i]);
    const auto F1 = one - c0 * cos_x + s0 * sin_x;
    const auto F2 = c0 * sin_x + s0 * cos_x;
    const auto F3 = c0 * cos_x - s0 * sin_x;
    const auto delta1 = hn::Neg(F) / (F1 - half * (F / F1) * F2);
    const auto delta = hn::Neg(F) / (F1 + half * delta1 * F2 + delta1 * delta1 * F3 / hn::Set(d, 6.0));
    hn::StoreU(hn::IfThenElse(is_open, x + delta, x), d, &b.dE[i]);
    hn::StoreU(hn::IfThenElse(is_open, cos_x, hn::LoadU(d, &b.cos_dE[i])), d, &b.cos_dE[i]);
    hn::StoreU(hn::IfThenElse(is_open, sin_x, hn::LoadU(d, &b.sin_dE[i])), d, &b.sin_dE[i]);
    hn::StoreU(hn::IfThenElse(is_open, F1, hn::LoadU(d, &b.rho[i])), d, &b.rho[i]);
    const auto still_open = hn::AndNot(hn::Abs(delta) <= hn::Set(d, 1e-14), is_open);
    hn::StoreU(hn::IfThenElseZero(still_open, one), d, &b.open[i]);
    open += hn::CountTrue(d, still_open);
  }
  return open;
}

// finish_drift for the lanes still in, with drift_bodies' test after the drift: a
// perihelion inside the capture radius passed or ending inside the close limit.
void finish_drift_lanes(const DriftLimits& limits, double dt, ObjectBatch& b) {
  const hn::ScalableTag<double> d;
  const VectorOps<decltype(d)> ops{d};
  const auto one = hn::Set(d, 1.0);
  for (size_t i = 0; i < b.lanes; i += hn::Lanes(d)) {
    const auto x = hn::LoadU(d, &b.now.x[i]), y = hn::LoadU(d, &b.now.y[i]), z = hn::LoadU(d, &b.now.z[i]);
    const auto vx = hn::LoadU(d, &b.now.vx[i]), vy = hn::LoadU(d, &b.now.vy[i]), vz = hn::LoadU(d, &b.now.vz[i]);
    const auto r = hn::LoadU(d, &b.now.r[i]);
    const auto a = hn::LoadU(d, &b.semimajor[i]), n = hn::LoadU(d, &b.mean_motion[i]);
    const auto cos_dE = hn::LoadU(d, &b.cos_dE[i]), sin_dE = hn::LoadU(d, &b.sin_dE[i]);
    const auto rho = hn::LoadU(d, &b.rho[i]);
    const auto f = one + (a / r) * (cos_dE - one);
    const auto g = hn::Set(d, dt) + (sin_dE - hn::LoadU(d, &b.dE[i])) / n;
    const auto fdot = hn::Neg(a) * n * sin_dE / (r * rho);
    const auto gdot = one + (cos_dE - one) / rho;
    const auto x1 = f * x + g * vx, y1 = f * y + g * vy, z1 = f * z + g * vz;
    const auto vx1 = fdot * x + gdot * vx, vy1 = fdot * y + gdot * vy, vz1 = fdot * z + gdot * vz;
    const auto r1 = hn::Sqrt(x1 * x1 + y1 * y1 + z1 * z1);
    const auto falls = rules::falls_into_sun(ops, hn::LoadU(d, &b.perihelion[i]), r1, x * vx + y * vy + z * vz,
                                                x1 * vx1 + y1 * vy1 + z1 * vz1, dt, limits.sun);
    const auto was_out = hn::LoadU(d, &b.out[i]) > hn::Zero(d);
    hn::StoreU(hn::IfThenElseZero(hn::Or(was_out, falls), one), d, &b.out[i]);
    hn::StoreU(x1, d, &b.now.x[i]);
    hn::StoreU(y1, d, &b.now.y[i]);
    hn::StoreU(z1, d, &b.now.z[i]);
    hn::StoreU(vx1, d, &b.now.vx[i]);
    hn::StoreU(vy1, d, &b.now.vy[i]);
    hn::StoreU(vz1, d, &b.now.vz[i]);
    hn::StoreU(r1, d, &b.now.r[i]);
  }
}

// The lanes whose equation is still open after the iterations the batch allows leave it.
void close_open_lanes(ObjectBatch& b) {
  const hn::ScalableTag<double> d;
  for (size_t i = 0; i < b.lanes; i += hn::Lanes(d)) {
    hn::StoreU(hn::Max(hn::LoadU(d, &b.out[i]), hn::LoadU(d, &b.open[i])), d, &b.out[i]);
  }
}

}  // namespace HWY_NAMESPACE
}  // namespace survey
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace survey {

HWY_EXPORT(start_drift_lanes);
HWY_EXPORT(iterate_anomaly_lanes);
HWY_EXPORT(finish_drift_lanes);
HWY_EXPORT(close_open_lanes);

namespace {

// The scalar solver's sixth iteration hands over to its bracketing search: five are the
// batch's.
constexpr int kBatchIterations = 5;

}  // namespace

void drift_batch(const DriftLimits& limits, double half_dt, ObjectBatch& batch) {
  size_t open = HWY_DYNAMIC_DISPATCH(start_drift_lanes)(limits, half_dt, batch);
  for (int iteration = 0; iteration < kBatchIterations && open > 0; ++iteration) {
    sincos_lanes(batch.dE.data(), batch.sin_x.data(), batch.cos_x.data(), batch.lanes);
    open = HWY_DYNAMIC_DISPATCH(iterate_anomaly_lanes)(batch);
  }
  if (open > 0) HWY_DYNAMIC_DISPATCH(close_open_lanes)(batch);
  HWY_DYNAMIC_DISPATCH(finish_drift_lanes)(limits, half_dt, batch);
}

}  // namespace survey
#endif  // HWY_ONCE
