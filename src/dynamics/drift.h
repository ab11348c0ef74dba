// Kepler drifts of one body along its heliocentric conic by the f and g functions:
// `fyg` (ellipses only, absolute eccentric anomaly) and `movrel` (any bound orbit,
// anomaly in differences, conic route close to e = 1).
#pragma once

#include "dynamics/vec3.h"

namespace dynamics {

// Moves X, V by dt along the ellipse of semimajor axis a; r is the current distance
// on entry and the new one on return; e is always returned. mu = gm_central + gm_body.
// flag = 1 (nothing moved) when e > 0.99.
void fyg(Vec3& X, Vec3& V, double dt, double& r, double a, double& e, int& flag,
         double gm_central, double gm_body);

// Moves X, V by dt; r as for fyg; returns e and q = (1 - e) a.
// mu = gm_central + gm_body. flag = 1 (nothing changed, e and q untouched) on a
// hyperbolic orbit.
void movrel(double gm_central, double dt, Vec3& X, Vec3& V, double& r, double& e, double& q,
            int& flag, double gm_body);

}  // namespace dynamics
