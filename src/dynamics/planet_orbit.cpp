// Osculating elements of a body slot, in degrees, for reports and checks.
#include "dynamics/planet_orbit.h"

#include <cmath>

namespace dynamics {

void planet_orbit(const Vec3& X, const Vec3& V, double two_pi, double gm_central, double gm_body,
                  OrbitalElements& out) {
  const double mu = gm_central + gm_body;
  const double r = norm(X);
  const Vec3 h = cross(X, V);
  double node = std::atan2(h[0], -h[1]);
  if (node < 0.0) node += two_pi;
  const double incl = std::acos(h[2] / norm(h));
  const Vec3 vh = cross(V, h);
  Vec3 ecc;
  for (int c = 0; c < 3; ++c) ecc[c] = vh[c] / mu - X[c] / r;
  const double e = norm(ecc);
  double peri = std::atan2(ecc[2] / std::sin(incl), ecc[0] * std::cos(node) + ecc[1] * std::sin(node));
  if (peri < 0.0) peri += two_pi;
  const double a = 1.0 / (2.0 / r - dot(V, V) / mu);
  const double to_degrees = 360.0 / two_pi;
  if (a > 0.0) {
    double E = std::atan2(dot(X, V) / std::sqrt(mu * a), 1.0 - r / a);
    if (E < 0.0) E += two_pi;
    double M = std::fmod(E - e * std::sin(E), two_pi);
    if (M < 0.0) M += two_pi;
    out.m = M * to_degrees;
  }
  out.i = incl * to_degrees;
  out.node = node * to_degrees;
  out.peri = peri * to_degrees;
  out.e = e;
  out.a = a;
}

}  // namespace dynamics
