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

// Largest semimajor axis taken, AU: a single-precision copy of a larger one overflows.
inline constexpr double kMaxSemimajorAxis = 3.4e38;

// The checks that catalogue records and hand entry share: an orbit the run can start
// from has 0 < a < kMaxSemimajorAxis and 0 <= e < 1.
bool semimajor_axis_accepted(double a);
bool eccentricity_accepted(double e);

enum class ElementFault { none, semimajor_axis, eccentricity };

// The first element that fails its check, or none.
ElementFault element_fault(const OrbitalElements& elements);

// Epochs (Julian dates) an orbit may be given at, by hand or on the command line.
inline constexpr double kFirstEpoch = 2400000.0;
inline constexpr double kLastEpoch = 2480000.0;

// True when jd lies in [kFirstEpoch, kLastEpoch].
bool epoch_accepted(double jd);

}  // namespace dynamics
