// The mean longitude of an osculating heliocentric orbit, the angle whose difference from
// the planet's is the resonant angle of co-orbital motion.
#pragma once

#include "dynamics/vec3.h"

namespace coorbital {

// Mean longitude node + argument of perihelion + mean anomaly, degrees in [0, 360), of
// the ellipse through position x (AU) and velocity v (AU/yr) about a mass of GM `mu`
// (AU^3/yr^2).
double mean_longitude_deg(const dynamics::Vec3& x, const dynamics::Vec3& v, double mu);

// phi = lambda - lambda_planet, degrees in (-180, 180].
double resonant_angle_deg(double lambda_deg, double lambda_planet_deg);

}  // namespace coorbital
