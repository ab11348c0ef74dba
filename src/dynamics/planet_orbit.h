// Osculating elements of one body from its heliocentric state (`planet_orbit`).
#pragma once

#include "dynamics/orbital_elements.h"
#include "dynamics/vec3.h"

namespace dynamics {

// mu = gm_central + gm_body; two_pi is the shared 2 pi. The mean anomaly is produced
// only for a bound orbit (a > 0); otherwise out.m is left as it was.
void planet_orbit(const Vec3& X, const Vec3& V, double two_pi, double gm_central, double gm_body,
                  OrbitalElements& out);

}  // namespace dynamics
