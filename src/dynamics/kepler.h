// Solvers of Kepler's equation: `solkep` for the eccentric anomaly of an ellipse,
// `keprel` for the change of eccentric anomaly over a time step (used by the drifts).
#pragma once

namespace dynamics {

// Eccentric anomaly E with E - e sin E = M. M is replaced by its remainder modulo 2 pi
// (sign kept). Always returns a usable value: Newton-type iteration, with a
// bracketing search when it does not settle within 20 iterations.
void solkep(double e, double& M, double& E);

// Difference of eccentric anomaly dE = E - E0 over dt, solving
//   dE - c0 sin dE + s0 (1 - cos dE) = n dt,   with s0 = e sin E0, c0 = e cos E0.
// Also returns cos dE, sin dE and rho = 1 - c0 cos dE + s0 sin dE (= r_new / a).
void keprel(double s0, double c0, double n, double dt, double& dE, double& cos_dE,
            double& sin_dE, double& rho);

// keprel's iteration as a state that advances one iteration at a time, so that the
// drifts of several bodies can be solved side by side (their independent chains of
// divisions then overlap in the processor). Results are those of keprel bit for bit.
// No default values (keprel_start sets every field), so that the drifts' fixed arrays
// of solutions are not cleared on every half step.
struct KeprelSolution {
  double s0, c0, target;  // the equation: target = n dt
  double dE, cos_dE, sin_dE, rho;
  int count;      // iterations done
  bool settled;   // converged: the outputs are final
};

void keprel_start(double s0, double c0, double n, double dt, KeprelSolution& solution);
// One iteration. Returns true while the solution needs more; after the sixth
// iteration without convergence call keprel_finish.
bool keprel_advance(KeprelSolution& solution);
// Completes a solution that keprel_advance gave up on (the bracketing fallback).
void keprel_finish(KeprelSolution& solution);

}  // namespace dynamics
