// The pericentre of a small body's pass by a planet, from a planetocentric state near it.
#pragma once

#include "dynamics/vec3.h"

namespace dynamics {

struct TwoBodyPericentre {
  double distance = 0.0;        // pericentre distance, AU
  double time_from_state = 0.0; // years from the given state to the pericentre nearest it
  double energy = 0.0;          // planetocentric energy per unit mass, AU^2/yr^2
  double speed = 0.0;           // speed at pericentre, AU/yr
};

// Pericentre of the two-body orbit about a mass gm (AU^3/yr^2) of the relative position
// rho (AU) and velocity w (AU/yr). The time is negative when the pericentre is already
// passed. Used over the substep of the encounter integration that brackets the
// pericentre, where the Sun's differential pull is negligible.
TwoBodyPericentre two_body_pericentre(double gm, const Vec3& rho, const Vec3& w);

}  // namespace dynamics
