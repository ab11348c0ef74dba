// The two f-and-g drifts: fyg for the planets' transfer to the object's epoch,
// movrel for every body in the step loop.
#include "dynamics/drift.h"

#include <cmath>

#include "dynamics/conic.h"
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

void fyg(Vec3& X, Vec3& V, double dt, double& r, double a, double& e, int& flag,
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

void movrel(double gm_central, double dt, Vec3& X, Vec3& V, double& r, double& e, double& q,
            int& flag, double gm_body) {
  const double mu = gm_central + gm_body;
  flag = 0;
  const double a = 1.0 / (2.0 / r - dot(V, V) / mu);
  if (a < 0.0) {
    flag = 1;
    return;
  }
  const double c0 = 1.0 - r / a;
  const double n = std::sqrt(mu / (a * a * a));
  const double s0 = dot(X, V) / (a * a * n);
  e = std::sqrt(c0 * c0 + s0 * s0);
  q = (1.0 - e) * a;
  if (std::fabs(e - 1.0) < 1e-6) {
    // So close to a parabola the difference equation loses its digits: go through
    // the conic itself, with the time of perihelion counted from now.
    Conic conic;
    elem(gm_central, 0.0, X, V, conic, gm_body);
    e = conic.e;
    q = conic.q;
    ephem1(gm_central, conic, dt, X, V, gm_body);
    r = norm(X);
    return;
  }
  double dE = 0.0, cos_dE = 1.0, sin_dE = 0.0, rho = 1.0;
  keprel(s0, c0, n, dt, dE, cos_dE, sin_dE, rho);
  const double f = 1.0 + (a / r) * (cos_dE - 1.0);
  const double g = dt + (sin_dE - dE) / n;
  const double fdot = -a * n * sin_dE / (r * rho);
  const double gdot = 1.0 + (cos_dE - 1.0) / rho;
  apply_f_and_g(X, V, f, g, fdot, gdot);
  r = norm(X);
}

}  // namespace dynamics
