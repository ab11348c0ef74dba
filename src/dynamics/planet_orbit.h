// Osculating elements of one body from its heliocentric state (`planet_orbit`).
#pragma once

#include "dynamics/vec3.h"

namespace dynamics {

// Angles in degrees, a in AU. mean_anomaly is produced only for a bound orbit
// (a > 0); otherwise it is left as it was.
struct OsculatingElements {
  double i = 0.0;
  double node = 0.0;
  double peri = 0.0;
  double mean_anomaly = 0.0;
  double e = 0.0;
  double a = 0.0;
};

// mu = gm_central + gm_body; two_pi is the shared 2 pi.
void planet_orbit(const Vec3& X, const Vec3& V, double two_pi, double gm_central, double gm_body,
                  OsculatingElements& out);

}  // namespace dynamics
