// Distance and time of the pericentre of a planetocentric two-body orbit.
#include "dynamics/pericentre_refinement.h"

#include <cmath>

namespace dynamics {

TwoBodyPericentre two_body_pericentre(double gm, const Vec3& rho, const Vec3& w) {
  TwoBodyPericentre p;
  const double d = norm(rho);
  p.energy = dot(w, w) / 2.0 - gm / d;
  const Vec3 l = cross(rho, w);
  const double l2 = dot(l, l);
  // At exactly zero energy the formula is 0/0; its limit is the parabola's L^2 / 2m.
  p.distance = p.energy == 0.0 ? l2 / (2.0 * gm)
                               : (std::sqrt(gm * gm + 2.0 * p.energy * l2) - gm) / (2.0 * p.energy);
  p.speed = std::sqrt(2.0 * (p.energy + gm / p.distance));
  const double radial = dot(rho, w);  // d times the radial velocity
  if (p.energy == 0.0) {
    // Barker's equation: sqrt(gm) t = q D + D^3 / 6 with D = rho.w / sqrt(gm).
    const double D = radial / std::sqrt(gm);
    p.time_from_state = -(p.distance * D + D * D * D / 6.0) / std::sqrt(gm);
    return p;
  }
  const double a = gm / (2.0 * std::fabs(p.energy));  // |semimajor axis|
  const double n = std::sqrt(gm / (a * a * a));
  const double e_cos = p.energy < 0.0 ? 1.0 - d / a : 1.0 + d / a;  // e cos E, e cosh F
  const double e_sin = radial / std::sqrt(gm * a);                    // e sin E, e sinh F
  double mean_anomaly = 0.0;
  if (p.energy < 0.0) {
    const double E = std::atan2(e_sin, e_cos);
    mean_anomaly = E - e_sin;
  } else {
    const double F = std::asinh(e_sin / std::sqrt(e_cos * e_cos - e_sin * e_sin));
    mean_anomaly = e_sin - F;
  }
  p.time_from_state = -mean_anomaly / n;
  return p;
}

}  // namespace dynamics
