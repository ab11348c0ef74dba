// Kepler drifts of one body along its heliocentric conic by the f and g functions:
// `drift_ellipse` (ellipses only, absolute eccentric anomaly) and `drift_orbit` (any bound orbit,
// anomaly in differences, conic route close to e = 1).
#pragma once

#include "dynamics/vec3.h"

namespace dynamics {

// Moves X, V by dt along the ellipse of semimajor axis a; r is the current distance
// on entry and the new one on return; e is always returned. mu = gm_central + gm_body.
// flag = 1 (nothing moved) when e > 0.99.
void drift_ellipse(Vec3& X, Vec3& V, double dt, double& r, double a, double& e, int& flag,
                   double gm_central, double gm_body);

// Moves X, V by dt; r as for drift_ellipse; returns e and q = (1 - e) a.
// mu = gm_central + gm_body. flag = 1 (nothing changed, e and q untouched) on a
// hyperbolic orbit.
void drift_orbit(double gm_central, double dt, Vec3& X, Vec3& V, double& r, double& e, double& q,
                 int& flag, double gm_body);

// One body's drift_orbit drift: its state in, its state and results out.
struct DriftLane {
  Vec3 X{}, V{};
  double r = 0.0;
  double e = 0.0;
  double q = 0.0;
  int flag = 0;
  double gm_body = 0.0;
};

// drift_orbit for several bodies by the same dt, their anomaly equations solved side by
// side; each lane ends exactly as drift_orbit would leave it. At most kMaxBodies lanes.
void drift_orbit_lanes(double gm_central, double dt, DriftLane* lanes, int count);

}  // namespace dynamics
