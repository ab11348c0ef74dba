// The six osculating elements of an orbit, the one form in which the catalogue, hand
// entry, the run and the dynamics hand an orbit around.
#pragma once

namespace dynamics {

// Heliocentric osculating elements referred to the ecliptic and equinox J2000.
struct OrbitalElements {
  double a = 0.0;     // semimajor axis, AU
  double e = 0.0;     // eccentricity
  double i = 0.0;     // inclination, deg
  double node = 0.0;  // longitude of the ascending node, deg
  double peri = 0.0;  // argument of perihelion, deg
  double m = 0.0;     // mean anomaly, deg
};

}  // namespace dynamics
