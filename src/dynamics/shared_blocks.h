// The shared blocks the dynamics routines talk through: the run's constants and limits,
// the bodies it holds now, and the Earth and the Moon as two masses when a sky gives the
// Moon's place. One record, owned by the caller for a whole run.
#pragma once

#include <memory>

#include "dynamics/constants.h"
#include "dynamics/earth_moon_split.h"

namespace dynamics {

// Constants of the run.
struct RunConstants {
  double k2 = 0.0;            // the Sun's GM
  double gm_central = 0.0;    // GM of the central body (Sun plus folded inner planets)
  double auyr_per_kms = 0.0;  // AU/yr in one km/s
};

// Beyond both limits a body counts as ejected.
struct EjectionLimits {
  double max_semimajor = 0.0;  // AU
  double max_distance = 0.0;   // AU
};

// How close to the Sun a body may come.
struct SunLimits {
  double capture = 0.0;  // Sun capture radius, AU
  double close = 0.0;    // perihelion-passage distance limit, AU
};

// Settings of the extrapolation integrator; the only block with compile-time initial
// values.
struct ExtrapolationSettings {
  int first_divisor_exp = 2;  // first Richardson divisor is 2^first_divisor_exp
  int growth_exp = 2;         // divisor grows by 2^growth_exp per column
  int max_stage = 10;         // highest step-halving stage
  int max_column = 6;         // highest extrapolation column
};

// How many bodies the integration holds now.
struct BodyCounts {
  int planets = 0;  // planets in the integration (slots 1..planets)
  int total = 0;    // bodies in the integration (the small body, while it lasts, is last)
};

// Osculating semimajor axis and eccentricity per body slot, from the last drift.
struct SlotOrbits {
  SlotDoubles a{};
  SlotDoubles e{};
};

// Every shared block of the dynamics, owned by the main program for the whole process
// and handed to the routines that read or write it.
struct SharedBlocks {
  RunConstants constants;
  EjectionLimits ejection;
  SunLimits sun_limits;
  double two_pi = 0.0;  // 2π
  ExtrapolationSettings extrapolation;
  double epoch_jd = 0.0;  // Julian date of the small body's epoch: the clock's zero
  // The Earth and the Moon pulling the small bodies as two masses (set by the sky that
  // knows the Moon; none: the barycentre is one mass).
  std::shared_ptr<const EarthMoonSplit> earth_moon;
  BodyCounts counts;
  SlotOrbits orbits;
  SlotDoubles gm{};            // GM per body slot; 0 for the small body
  SlotInts start_slot{};       // start-up slot of the body now in each slot
  SlotInts planet_number{};    // planet number (1..9, 10 = small body) per start-up slot
};

// Stores the fixed constants in their blocks (constants, ejection, sun_limits, two_pi)
// and sets constants.gm_central = central_mass_factor × constants.k2. Run before every integration.
void store_constants(SharedBlocks& blocks, double central_mass_factor);

}  // namespace dynamics
