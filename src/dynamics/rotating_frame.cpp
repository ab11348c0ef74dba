// Planet-centred rotating frame of the output points.
// Method: the rotating, pulsating frame of the restricted problem, Szebehely (1967), Theory of Orbits.
#include "dynamics/rotating_frame.h"

#include <cmath>

namespace dynamics {

RotatingPoint to_rotating_frame(double xp, double yp, double zp, double x, double y, double z, double node,
                                double incl, double rp) {
  const double cn = std::cos(node), sn = std::sin(node);
  const double ci = std::cos(incl), si = std::sin(incl);
  // Into the planet's orbital plane, x axis toward the ascending node.
  const auto xi = [&](double a, double b) { return cn * a + sn * b; };
  const auto eta = [&](double a, double b, double c) { return -sn * ci * a + cn * ci * b + si * c; };
  const auto zeta = [&](double a, double b, double c) { return sn * si * a - cn * si * b + ci * c; };
  const double xi_p = xi(xp, yp), eta_p = eta(xp, yp, zp), zeta_p = zeta(xp, yp, zp);
  const double d1 = xi(x, y) - xi_p;
  const double d2 = eta(x, y, z) - eta_p;
  const double d3 = zeta(x, y, z) - zeta_p;
  RotatingPoint point;
  point.delta = std::sqrt(d1 * d1 + d2 * d2 + d3 * d3);
  // Cosine and sine of the planet's longitude in that plane, both divided by the full
  // distance rp rather than the in-plane length.
  const double u = xi_p / rp;
  const double w = eta_p / rp;
  point.X = u * d1 / rp + w * d2 / rp;
  point.Y = u * d2 / rp - w * d1 / rp;
  point.Z = d3 / rp;
  return point;
}

}  // namespace dynamics
