// The screen over the lanes, compiled for every x86-64 vector extension; the best one is
// chosen at run time.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "survey/batch/minima_screen.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include <cmath>

#include "survey/batch/minima_screen.h"

HWY_BEFORE_NAMESPACE();
namespace survey {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

template <class D, class V>
V length(D, V x, V y, V z) {
  return hn::Sqrt(x * x + y * y + z * z);
}

void screen_lanes(const RelativeState& target_start, const RelativeState& target_end, double h, double bound,
                  ObjectBatch& b) {
  const hn::ScalableTag<double> d;
  const auto span = hn::Set(d, std::fabs(h));
  const auto one = hn::Set(d, 1.0);
  const LaneStates &s = b.at_start, &e = b.now;
  const dynamics::Vec3 &xs = target_start.position, &vs = target_start.velocity;
  const dynamics::Vec3 &xe = target_end.position, &ve = target_end.velocity;
  for (size_t i = 0; i < b.lanes; i += hn::Lanes(d)) {
    const auto px0 = hn::LoadU(d, &s.x[i]) - hn::Set(d, xs[0]), py0 = hn::LoadU(d, &s.y[i]) - hn::Set(d, xs[1]);
    const auto pz0 = hn::LoadU(d, &s.z[i]) - hn::Set(d, xs[2]);
    const auto ux0 = hn::LoadU(d, &s.vx[i]) - hn::Set(d, vs[0]), uy0 = hn::LoadU(d, &s.vy[i]) - hn::Set(d, vs[1]);
    const auto uz0 = hn::LoadU(d, &s.vz[i]) - hn::Set(d, vs[2]);
    const auto px1 = hn::LoadU(d, &e.x[i]) - hn::Set(d, xe[0]), py1 = hn::LoadU(d, &e.y[i]) - hn::Set(d, xe[1]);
    const auto pz1 = hn::LoadU(d, &e.z[i]) - hn::Set(d, xe[2]);
    const auto ux1 = hn::LoadU(d, &e.vx[i]) - hn::Set(d, ve[0]), uy1 = hn::LoadU(d, &e.vy[i]) - hn::Set(d, ve[1]);
    const auto uz1 = hn::LoadU(d, &e.vz[i]) - hn::Set(d, ve[2]);
    const auto rate0 = px0 * ux0 + py0 * uy0 + pz0 * uz0;
    const auto rate1 = px1 * ux1 + py1 * uy1 + pz1 * uz1;
    const auto earlier = h > 0.0 ? rate0 : rate1, later = h > 0.0 ? rate1 : rate0;
    const auto minimum = hn::And(earlier < hn::Zero(d), later >= hn::Zero(d));
    if (hn::AllFalse(d, minimum)) {  // as most are: no minimum, no roots to take
      hn::StoreU(hn::Zero(d), d, &b.candidate[i]);
      continue;
    }
    const auto speed = hn::Set(d, 1.5) * length(d, px1 - px0, py1 - py0, pz1 - pz0) +
                       span * (length(d, ux0, uy0, uz0) + length(d, ux1, uy1, uz1));
    const auto nearest = hn::Set(d, 0.5) * (length(d, px0, py0, pz0) + length(d, px1, py1, pz1) - speed);
    hn::StoreU(hn::IfThenElseZero(hn::And(minimum, nearest < hn::Set(d, bound)), one), d, &b.candidate[i]);
  }
}

}  // namespace HWY_NAMESPACE
}  // namespace survey
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace survey {

HWY_EXPORT(screen_lanes);

namespace {

// The bound holds for the exact cubic; the margin covers the rounding of both sides.
constexpr double kBoundMargin = 1.0 + 1e-6;
constexpr double kBoundSlackAu = 1e-9;

}  // namespace

void screen_minima(const RelativeState& target_start, const RelativeState& target_end, double h, double distance,
                   ObjectBatch& batch) {
  HWY_DYNAMIC_DISPATCH(screen_lanes)(target_start, target_end, h, distance * kBoundMargin + kBoundSlackAu, batch);
}

}  // namespace survey
#endif  // HWY_ONCE
