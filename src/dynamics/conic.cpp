// Elements to state (state_from_conic) and state to elements (conic_from_state) for every
// kind of conic.
#include "dynamics/conic.h"

#include <algorithm>
#include <cmath>

#include "dynamics/constants.h"
#include "dynamics/kepler.h"

namespace dynamics {
namespace {

constexpr double kParabolicBand = 1e-6;

struct PlaneState {
  double xi, eta, dxi, deta;
};

PlaneState near_parabolic_plane(double mu, double q, double elapsed) {
  const double W = std::sqrt(mu / (2.0 * q * q * q)) * elapsed;
  const double Y = std::pow((std::sqrt(9.0 * W * W + 4.0) + 3.0 * W) / 2.0, 0.3333333333333333);
  const double s = Y - 1.0 / Y;  // tangent of half the true anomaly
  const double w = std::sqrt(mu / (2.0 * q)) / (q * (s * s + 1.0));
  return {q * (1.0 - s * s), 2.0 * q * s, -2.0 * q * s * w, 2.0 * q * w};
}

PlaneState elliptic_plane(double mu, double q, double e, double elapsed) {
  const double a = q / (1.0 - e);
  double M = std::sqrt(mu / (a * a * a)) * elapsed;
  M -= kTwoPi * std::trunc(M / kTwoPi);
  double E = 0.0;
  solkep(e, M, E);
  const double nu = 2.0 * std::atan(std::tan(E / 2.0) * std::sqrt((1.0 + e) / (1.0 - e)));
  const double r = a * (1.0 - e * std::cos(E));
  const double p = a * (1.0 - e * e);
  const double speed = std::sqrt(mu / p);
  return {r * std::cos(nu), r * std::sin(nu), speed * -std::sin(nu), speed * (e + std::cos(nu))};
}

PlaneState hyperbolic_plane(double mu, double q, double e, double elapsed) {
  const double a = q / (e - 1.0);
  const double M = std::sqrt(mu / (a * a * a)) * elapsed;
  double F = 0.0;
  for (int iteration = 0; iteration < 1001; ++iteration) {
    const double next = F - (F - e * std::sinh(F) + M) / (1.0 - e * std::cosh(F));
    const double change = std::fabs(next - F);
    F = next;
    if (change < 1e-12) break;
  }
  const double b = a * std::sqrt(e * e - 1.0);
  const double A = std::sqrt(mu / a) / (a * (e * std::cosh(F) - 1.0));
  return {a * (e - std::cosh(F)), b * std::sinh(F), -A * a * std::sinh(F), A * b * std::cosh(F)};
}

}  // namespace

void state_from_conic(double gm_central, const Conic& conic, double t, Vec3& X, Vec3& V,
                      double gm_body) {
  const double mu = gm_central + gm_body;
  const double elapsed = t - conic.tau;
  const double e = conic.e;
  PlaneState plane;
  if (std::fabs(e - 1.0) < kParabolicBand) {
    plane = near_parabolic_plane(mu, conic.q, elapsed);
  } else if (e > 1.0) {
    plane = hyperbolic_plane(mu, conic.q, e, elapsed);
  } else {
    plane = elliptic_plane(mu, conic.q, e, elapsed);
  }
  const double cn = std::cos(conic.node), sn = std::sin(conic.node);
  const double cw = std::cos(conic.peri), sw = std::sin(conic.peri);
  const double ci = std::cos(conic.i), si = std::sin(conic.i);
  const Vec3 P = {cn * cw - sn * sw * ci, sn * cw + cn * sw * ci, sw * si};
  const Vec3 Q = {-cn * sw - sn * cw * ci, -sn * sw + cn * cw * ci, cw * si};
  for (int c = 0; c < 3; ++c) {
    X[c] = P[c] * plane.xi + Q[c] * plane.eta;
    V[c] = P[c] * plane.dxi + Q[c] * plane.deta;
  }
}

void conic_from_state(double gm_central, double t, const Vec3& X, const Vec3& V, Conic& conic,
                      double gm_body) {
  const double mu = gm_central + gm_body;
  const Vec3 h = cross(X, V);
  const double node = std::atan2(h[0], -h[1]);
  const double incl = std::atan2(std::sqrt(h[0] * h[0] + h[1] * h[1]), h[2]);
  const double cn = std::cos(node), sn = std::sin(node);
  const double u = std::atan2(X[2] * std::sin(incl) + (X[1] * cn - X[0] * sn) * std::cos(incl),
                              X[0] * cn + X[1] * sn);
  const double p = dot(h, h) / mu;
  const double r = norm(X);
  const double xv = dot(X, V);
  double e = std::sqrt(1.0 + 2.0 * p * (dot(V, V) / 2.0 - mu / r) / mu);
  double q = 0.0, tau = 0.0, nu = 0.0;
  if (std::fabs(e - 1.0) < kParabolicBand) {
    e = 1.0;
    q = p / 2.0;
    // At perihelion rounding can push the cosine a hair past one.
    nu = std::acos(std::clamp((p - r) / r, -1.0, 1.0));
    if (xv < 0.0) nu = -nu;
    const double D = std::tan(nu / 2.0);
    tau = t - std::sqrt(2.0 * q * q * q / mu) * (D * D * D / 3.0 + D);
  } else if (e < 1.0) {
    const double a = p / (1.0 - e * e);
    const double E = std::atan2(xv / (std::sqrt(mu * a) * e), (a - r) / (a * e));
    nu = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));
    tau = t - std::sqrt(a * a * a / mu) * (E - e * std::sin(E));
    q = (1.0 - e) * a;
  } else {
    const double a = p / (e * e - 1.0);
    const double cosh_F = (a + r) / (a * e);
    // At perihelion rounding can leave the cosine a hair below one.
    double sinh_F = std::sqrt(std::max(cosh_F * cosh_F - 1.0, 0.0));
    double F = std::log(sinh_F + cosh_F);
    if (xv < 0.0) {
      sinh_F = -sinh_F;
      F = -F;
    }
    tau = t - std::sqrt(a * a * a / mu) * (e * sinh_F - F);
    q = (e - 1.0) * a;
    nu = 2.0 * std::atan(std::sqrt((e + 1.0) / (e - 1.0)) * std::tanh(F / 2.0));
  }
  conic.q = q;
  conic.e = e;
  conic.i = incl;
  conic.node = node;
  conic.peri = u - nu;
  conic.tau = tau;
}

}  // namespace dynamics
