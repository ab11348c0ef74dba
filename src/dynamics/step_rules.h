// The rules of the step written once for the scalar step and the survey's vector kernels:
// which bodies drift at all, which drift through the conic next to a parabola, which fall
// into the Sun during a drift, and which pairs are surely outside a planet's encounter
// zone. Each rule is a template over its number type (double, or a vector of lanes) and
// the few calls it needs beyond arithmetic and comparisons (ScalarOps below, or the
// kernels' survey/batch/vector_ops.h). The constants are named here, once.
//
// A vector kernel's code is compiled once for every vector extension (Highway's
// foreach_target), and a template it calls must be compiled in the same way: so the
// rules, unlike the constants, are included once per extension by such a file, in
// dynamics::HWY_NAMESPACE (the guard below is Highway's toggled one), and once, in
// dynamics, by any other file. Nothing here includes Highway.

#ifndef SKYTRAK_DYNAMICS_STEP_RULES_CONSTANTS_
#define SKYTRAK_DYNAMICS_STEP_RULES_CONSTANTS_

#include <cmath>

#include "dynamics/shared_blocks.h"

namespace dynamics {

// Below this semimajor axis (AU), every hyperbola included, a body is given up.
inline constexpr double kMinSemimajor = 5e-6;

// Within this of e = 1 the anomaly equation in differences loses its digits: the drift
// goes through the conic itself.
inline constexpr double kNearParabola = 1e-6;

// The encounter zone's radius in Hill radii.
inline constexpr double kZoneHillRadii = 3.0;

// Relative margin of the cheap zone test over the rounding of both zone tests (a few
// 1e-16).
inline constexpr double kZoneMargin = 1.0 + 1e-12;

// The rules' calls for one body at a time.
struct ScalarOps {
  // A constant of the rule in its number type.
  double lift(double x) const { return x; }
  bool both(bool a, bool b) const { return a && b; }
  bool either(bool a, bool b) const { return a || b; }
  double abs(double x) const { return std::fabs(x); }
};

inline constexpr ScalarOps kScalar{};

}  // namespace dynamics

#endif  // SKYTRAK_DYNAMICS_STEP_RULES_CONSTANTS_

#if defined(SKYTRAK_DYNAMICS_STEP_RULES_H_) == defined(HWY_TARGET_TOGGLE)  // NOLINT
#ifdef SKYTRAK_DYNAMICS_STEP_RULES_H_
#undef SKYTRAK_DYNAMICS_STEP_RULES_H_
#else
#define SKYTRAK_DYNAMICS_STEP_RULES_H_
#endif

#ifdef HWY_NAMESPACE
HWY_BEFORE_NAMESPACE();
namespace dynamics {
namespace HWY_NAMESPACE {
#else
namespace dynamics {
#endif

// Whether a body of semimajor axis a (negative on a hyperbola) at distance r from the Sun
// drifts: neither too small an orbit, nor inside the capture radius, nor beyond both
// ejection limits.
template <class Ops, class Real>
auto drifts(const Ops& ops, const Real& a, const Real& r, const SunLimits& sun, const EjectionLimits& ejection) {
  return ops.both(ops.both(a >= ops.lift(kMinSemimajor), r >= ops.lift(sun.capture)),
                  ops.either(a <= ops.lift(ejection.max_semimajor), r <= ops.lift(ejection.max_distance)));
}

// Whether an orbit of eccentricity e is too close to a parabola for the f and g drift.
template <class Ops, class Real>
auto near_parabola(const Ops& ops, const Real& e) {
  return ops.abs(e - ops.lift(1.0)) < ops.lift(kNearParabola);
}

// Whether a body fell into the Sun during a drift by dt (signed): its perihelion q lies
// inside the capture radius, and it ends inside the close limit (distance_after) or passed
// its perihelion on the way (the radial velocity x . v turned from approach, before, to
// recession, after, in the direction of the drift), even with both ends outside.
template <class Ops, class Real>
auto falls_into_sun(const Ops& ops, const Real& q, const Real& distance_after, const Real& radial_before,
                    const Real& radial_after, double dt, const SunLimits& sun) {
  const Real sign = ops.lift(dt < 0.0 ? -1.0 : 1.0);
  const auto passed_perihelion =
      ops.both(sign * radial_before < ops.lift(0.0), sign * radial_after >= ops.lift(0.0));
  return ops.both(q < ops.lift(sun.capture), ops.either(distance_after < ops.lift(sun.close), passed_perihelion));
}

// Whether a small body is surely outside a planet's encounter zone over a step of signed
// length dt (encounter_zone.h has the full test): squared distances against squared
// bounds, without a root or a division, true only where the full test is true (the
// radial rate is bounded by the relative speed, with a margin far above the rounding of
// either test). From the squared separation at the kick and at the step's start, the
// squared relative speed at the kick and the planet's Hill radius.
template <class Ops, class Real>
auto surely_outside_encounter_zone(const Ops& ops, const Real& separation_squared,
                                   const Real& start_separation_squared, const Real& relative_speed_squared,
                                   double hill, double dt) {
  // (3 hill + |rate dt|)^2 <= 2 (9 hill^2 + speed^2 dt^2), as (a + b)^2 <= 2 (a^2 + b^2).
  const double zone_squared = kZoneHillRadii * kZoneHillRadii * hill * hill;
  const Real travel_squared = relative_speed_squared * ops.lift(dt) * ops.lift(dt);
  return ops.both(separation_squared > ops.lift(kZoneMargin * 2.0) * (ops.lift(zone_squared) + travel_squared),
                  start_separation_squared > ops.lift(kZoneMargin * zone_squared));
}

#ifdef HWY_NAMESPACE
}  // namespace HWY_NAMESPACE
}  // namespace dynamics
HWY_AFTER_NAMESPACE();
#else
}  // namespace dynamics
#endif

#endif  // the toggled guard
