// `to_rotating_frame`: a heliocentric position seen in the frame that turns with the reference
// planet (planet at the origin, Sun near (-1, 0, 0), unit = the planet's distance).
#pragma once

namespace dynamics {

struct RotatingPoint {
  double X = 0.0, Y = 0.0, Z = 0.0;  // in units of rp
  double delta = 0.0;                // planet-body distance, AU
};

// xp, yp, zp: the planet's heliocentric position; x, y, z: the body's; node and incl:
// the planet's table node and inclination (radians); rp: the planet's heliocentric
// distance.
RotatingPoint to_rotating_frame(double xp, double yp, double zp, double x, double y, double z, double node,
                                double incl, double rp);

}  // namespace dynamics
