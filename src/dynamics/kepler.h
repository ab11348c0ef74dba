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

}  // namespace dynamics
