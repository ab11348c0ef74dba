// Kepler's equation, in absolute form (solkep) and in differences (keprel).
// Method: keprel iterates as Danby & Burkardt (1983), The solution of Kepler's equation I; solkep is our own.
#include "dynamics/kepler.h"

#include <cmath>

#include "dynamics/constants.h"

namespace dynamics {
namespace {

constexpr double kTolerance = 1e-14;

// Walks from -2 pi in three passes of steps 2pi/10, 2pi/100 and 2pi/1000 to the first
// point past the sign change of F, each pass starting from the near side of the
// change found by the previous one. Returns false, leaving `point` untouched, when a
// pass needs more than 100 steps.
template <class Function>
bool bracket_root(const Function& F, double& point) {
  double lo = -kTwoPi;
  double hi = lo;
  for (int pass = 0; pass < 3; ++pass) {
    const double step = (kTwoPi / 10.0) / std::pow(10.0, pass);
    int steps = 0;
    for (;;) {
      hi = lo + step;
      if (++steps > 100) return false;
      if (F(lo) * F(hi) > 0.0) {
        lo = hi;
      } else {
        break;
      }
    }
  }
  point = hi;
  return true;
}

// One correction of keprel's iteration at x; the trigonometric terms and rho are
// those at x, before the correction.
struct KeprelIteration {
  double delta, cos_x, sin_x, rho;
};

KeprelIteration keprel_iteration(double s0, double c0, double target, double x) {
  const double sin_x = std::sin(x);
  const double cos_x = std::cos(x);
  const double F = x - c0 * sin_x + s0 * (1.0 - cos_x) - target;
  const double F1 = 1.0 - c0 * cos_x + s0 * sin_x;
  const double F2 = c0 * sin_x + s0 * cos_x;
  const double F3 = c0 * cos_x - s0 * sin_x;
  const double delta1 = -F / (F1 - 0.5 * (F / F1) * F2);
  const double delta = -F / (F1 + 0.5 * delta1 * F2 + delta1 * delta1 * F3 / 6.0);
  return {delta, cos_x, sin_x, F1};
}

}  // namespace

void solkep(double e, double& M, double& E) {
  M = std::fmod(M, kTwoPi);
  E = M;
  for (int count = 1;; ++count) {
    const double delta = (E - e * std::sin(E) - M) / (1.0 - e * std::cos(E));
    const double next = 0.5 * ((E - delta / (1.0 - e * std::sin(E) * delta)) + (E - delta));
    const bool settled = std::fabs(next - E) <= kTolerance;
    E = next;
    if (count > 20) break;
    if (settled) return;
  }
  const double mean = M;
  const auto F = [e, mean](double x) { return x - e * std::sin(x) - mean; };
  const double newton = E;
  if (!bracket_root(F, E)) return;  // E keeps the last Newton value
  // The bracket's point is only good to 2 pi / 1000, which on a very eccentric orbit
  // near perihelion is a visibly wrong position: polish it with plain Newton steps.
  // Close to e = 1 the iterations stall at the rounding level above the tolerance
  // while already on the root, so keep whichever value satisfies the equation best.
  double polished = E;
  for (int iteration = 0; iteration < 5; ++iteration) {
    const double step = F(polished) / (1.0 - e * std::cos(polished));
    polished -= step;
    if (std::fabs(step) <= kTolerance) break;
  }
  for (const double candidate : {polished, newton}) {
    if (std::fabs(F(candidate)) < std::fabs(F(E))) E = candidate;
  }
}

void keprel_start(double s0, double c0, double n, double dt, KeprelSolution& solution) {
  const double target = n * dt;
  solution = KeprelSolution{s0, c0, target, target, 1.0, 0.0, 1.0, 0, false};
}

namespace {

// One iteration from the current dE; returns whether it met the tolerance.
bool iterate(KeprelSolution& k) {
  const KeprelIteration it = keprel_iteration(k.s0, k.c0, k.target, k.dE);
  k.dE += it.delta;
  k.cos_dE = it.cos_x;
  k.sin_dE = it.sin_x;
  k.rho = it.rho;
  return std::fabs(it.delta) <= kTolerance;
}

}  // namespace

bool keprel_advance(KeprelSolution& k) {
  // The counter is tested before convergence: the sixth iteration hands over to the
  // bracketing search whatever it found.
  const bool settled = iterate(k);
  ++k.count;
  if (k.count == 6) return false;
  k.settled = settled;
  return !settled;
}

void keprel_finish(KeprelSolution& k) {
  const double s0 = k.s0, c0 = k.c0, target = k.target;
  const auto F = [s0, c0, target](double y) {
    return y - c0 * std::sin(y) + s0 * (1.0 - std::cos(y)) - target;
  };
  k.settled = true;
  // Out of the bracket's reach the last iterate stands.
  double bracketed = 0.0;
  if (!bracket_root(F, bracketed)) return;
  k.dE = bracketed;
  for (int polish = 0; polish < 5; ++polish) {
    if (iterate(k)) return;
  }
  // Polishing did not meet the tolerance. Near e = 1 (tiny n) it stalls at the
  // rounding level while already on the root, and the bracketed point is only good to
  // 2 pi / 1000: keep the polished value when it satisfies the equation better.
  if (std::fabs(F(k.dE)) < std::fabs(F(bracketed))) return;
  k.dE = bracketed;
  k.cos_dE = std::cos(bracketed);
  k.sin_dE = std::sin(bracketed);
  k.rho = 1.0 - c0 * k.cos_dE + s0 * k.sin_dE;
}

void keprel(double s0, double c0, double n, double dt, double& dE, double& cos_dE,
            double& sin_dE, double& rho) {
  KeprelSolution k;
  keprel_start(s0, c0, n, dt, k);
  while (keprel_advance(k)) {
  }
  if (!k.settled) keprel_finish(k);
  dE = k.dE;
  cos_dE = k.cos_dE;
  sin_dE = k.sin_dE;
  rho = k.rho;
}

}  // namespace dynamics
