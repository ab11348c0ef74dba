// Conic elements and state vectors: `state_from_conic` (elements -> state at a time, for
// ellipse, parabola and hyperbola) and its inverse `conic_from_state`.
#pragma once

#include "dynamics/vec3.h"

namespace dynamics {

// Heliocentric conic: perihelion distance q (AU), eccentricity e, inclination i,
// node Omega and argument of perihelion omega (radians), time of perihelion tau (yr).
struct Conic {
  double q = 0.0;
  double e = 0.0;
  double i = 0.0;
  double node = 0.0;
  double peri = 0.0;
  double tau = 0.0;
};

// State at time t of the conic; mu = gm_central + gm_body.
void state_from_conic(double gm_central, const Conic& conic, double t, Vec3& X, Vec3& V,
                      double gm_body);

// Conic of the state X, V at time t; mu = gm_central + gm_body. Eccentricities within
// 1e-6 of one are set to exactly one (parabola).
void conic_from_state(double gm_central, double t, const Vec3& X, const Vec3& V, Conic& conic,
                      double gm_body);

}  // namespace dynamics
