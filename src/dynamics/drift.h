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

// Semimajor axis of the orbit through distance r with velocity V (negative on a
// hyperbola); mu = gm_central + gm_body.
double semimajor_axis(double gm_central, double gm_body, double r, const Vec3& V);

// One body's drift_orbit drift: its state and semimajor axis in, its state and results
// out. No default values: the drifts keep fixed arrays of lanes and fill only the lanes
// in use, so the arrays are not cleared on every half step.
struct DriftLane {
  Vec3 X, V;
  double r;
  double a;  // semimajor_axis of X, V: computed once by the caller, which tests it too
  double e;
  double q;
  int flag;
  double gm_body;
};

// drift_orbit for several bodies by the same dt, their anomaly equations solved side by
// side; each lane ends exactly as drift_orbit would leave it. At most kMaxBodies lanes.
void drift_orbit_lanes(double gm_central, double dt, DriftLane* lanes, int count);

}  // namespace dynamics
