// The two f-and-g drifts: drift_ellipse for the planets' transfer to the object's epoch,
// drift_orbit for every body in the step loop.
// Method: the f and g functions of Danby (1988), Fundamentals of Celestial Mechanics.
#include "dynamics/drift.h"

#include <array>
#include <cmath>

#include "dynamics/conic.h"
#include "dynamics/constants.h"
#include "dynamics/step_rules.h"
#include "dynamics/kepler.h"

namespace dynamics {
namespace {

void apply_f_and_g(Vec3& X, Vec3& V, double f, double g, double fdot, double gdot) {
  const Vec3 X0 = X;
  const Vec3 V0 = V;
  for (int c = 0; c < 3; ++c) {
    X[c] = f * X0[c] + g * V0[c];
    V[c] = fdot * X0[c] + gdot * V0[c];
  }
}

}  // namespace

double semimajor_axis(double gm_central, double gm_body, double r, const Vec3& V) {
  return 1.0 / (2.0 / r - dot(V, V) / (gm_central + gm_body));
}

void drift_ellipse(Vec3& X, Vec3& V, double dt, double& r, double a, double& e, int& flag,
                   double gm_central, double gm_body) {
  const double mu = gm_central + gm_body;
  const double sqrt_mu_a = std::sqrt(mu * a);
  const double c0 = 1.0 - r / a;
  const double s0 = dot(X, V) / sqrt_mu_a;
  e = std::sqrt(c0 * c0 + s0 * s0);
  if (e > 0.99) {
    flag = 1;
    return;
  }
  flag = 0;
  const double E0 = std::atan2(s0, c0);
  const double M0 = E0 - s0;
  const double n = sqrt_mu_a / (a * a);
  double M = n * dt + M0;
  double E = 0.0;
  solkep(e, M, E);
  const double S = std::sin(E);
  const double C = std::cos(E);
  const double f = a * (S * s0 + c0 * (C - e)) / (r * e);
  const double g = ((c0 - e * e) * S - (C - e) * s0) / (n * e);
  Vec3 moved;
  for (int c = 0; c < 3; ++c) moved[c] = f * X[c] + g * V[c];
  const double r_new = norm(moved);
  const double fdot = -(S * c0 - C * s0) * sqrt_mu_a / (r * e * r_new);
  const double gdot = (1.0 + fdot * g) / f;
  apply_f_and_g(X, V, f, g, fdot, gdot);
  r = r_new;
}

namespace {

// What the drift of one lane needs once its anomaly equation is solved. Filled by
// start_drift before any use.
struct FAndGDrift {
  double n;
  KeprelSolution anomaly;
};

// The first half of drift_orbit: the orbit, and the route it takes. Returns false when the
// lane is finished already (refused, or moved along the conic near e = 1).
bool start_drift(double gm_central, double dt, DriftLane& lane, FAndGDrift& drift) {
  const double mu = gm_central + lane.gm_body;
  lane.flag = 0;
  const double a = lane.a;
  if (a < 0.0) {
    lane.flag = 1;
    return false;
  }
  const double c0 = 1.0 - lane.r / a;
  const double n = std::sqrt(mu / (a * a * a));
  const double s0 = dot(lane.X, lane.V) / (a * a * n);
  lane.e = std::sqrt(c0 * c0 + s0 * s0);
  lane.q = (1.0 - lane.e) * a;
  if (near_parabola(kScalar, lane.e)) {
    // So close to a parabola the difference equation loses its digits: go through
    // the conic itself, with the time of perihelion counted from now.
    Conic conic;
    conic_from_state(gm_central, 0.0, lane.X, lane.V, conic, lane.gm_body);
    lane.e = conic.e;
    lane.q = conic.q;
    state_from_conic(gm_central, conic, dt, lane.X, lane.V, lane.gm_body);
    lane.r = norm(lane.X);
    return false;
  }
  drift.n = n;
  keprel_start(s0, c0, n, dt, drift.anomaly);
  return true;
}

void finish_drift(double dt, const FAndGDrift& drift, DriftLane& lane) {
  const KeprelSolution& k = drift.anomaly;
  const double a = lane.a, n = drift.n, r = lane.r;
  const double f = 1.0 + (a / r) * (k.cos_dE - 1.0);
  const double g = dt + (k.sin_dE - k.dE) / n;
  const double fdot = -a * n * k.sin_dE / (r * k.rho);
  const double gdot = 1.0 + (k.cos_dE - 1.0) / k.rho;
  apply_f_and_g(lane.X, lane.V, f, g, fdot, gdot);
  lane.r = norm(lane.X);
}

}  // namespace

void drift_orbit_lanes(double gm_central, double dt, DriftLane* lanes, int count) {
  std::array<FAndGDrift, kMaxBodies> drifts;
  std::array<int, kMaxBodies> solving;    // lanes whose anomaly equation is open
  std::array<int, kMaxBodies> finishing;  // lanes that end with the f and g functions
  int open = 0;
  for (int l = 0; l < count; ++l) {
    if (!start_drift(gm_central, dt, lanes[l], drifts[static_cast<size_t>(l)])) continue;
    finishing[static_cast<size_t>(open)] = l;
    solving[static_cast<size_t>(open++)] = l;
  }
  const int drifting = open;
  // One iteration of every open equation per round; a lane leaves when it converges or
  // has to fall back to the bracketing search.
  while (open > 0) {
    int still_open = 0;
    for (int o = 0; o < open; ++o) {
      const int l = solving[static_cast<size_t>(o)];
      KeprelSolution& k = drifts[static_cast<size_t>(l)].anomaly;
      if (keprel_advance(k)) {
        solving[static_cast<size_t>(still_open++)] = l;
      } else if (!k.settled) {
        keprel_finish(k);
      }
    }
    open = still_open;
  }
  for (int o = 0; o < drifting; ++o) {
    const int l = finishing[static_cast<size_t>(o)];
    finish_drift(dt, drifts[static_cast<size_t>(l)], lanes[l]);
  }
}

void drift_orbit(double gm_central, double dt, Vec3& X, Vec3& V, double& r, double& e, double& q,
                 int& flag, double gm_body) {
  DriftLane lane{X, V, r, semimajor_axis(gm_central, gm_body, r, V), e, q, 0, gm_body};
  drift_orbit_lanes(gm_central, dt, &lane, 1);
  flag = lane.flag;
  if (flag != 0) return;
  X = lane.X;
  V = lane.V;
  r = lane.r;
  e = lane.e;
  q = lane.q;
}

}  // namespace dynamics
