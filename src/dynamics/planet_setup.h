// The bodies of a run: which planets take part, the central mass and the step (the
// integration class), the planets' and the small body's initial states, and
// `carry_planets_to_epoch`, which carries the planets from the table epoch to the small
// body's epoch.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"

namespace dynamics {

struct IntegrationClass {
  int i0 = 1;          // first planet integrated; planets i0..9 are bodies of the run
  double mu0 = 1.0;    // central mass in solar masses: the Sun plus the planets below i0
  double dtmin = 0.005;  // basic integration step, years
};

// Class of an object of perihelion distance q (AU) for reference planet ipl (1..9).
IntegrationClass integration_class(double q, int ipl);

// Osculating elements of the small body: a in AU, angles in degrees.
struct SmallBodyElements {
  double a = 0.0;
  double e = 0.0;
  double i = 0.0;
  double node = 0.0;
  double peri = 0.0;
  double m = 0.0;
};

// Fills the slots: planets i0..9 at their table states of JD 2451400.5, the small body at
// blocks.epoch_jd; sets counts, gm, start_slot, planet_number. blocks.constants must already
// hold the run's constants (store_constants with the class's mu0).
void setup_bodies(SharedBlocks& blocks, Bodies& bodies, const IntegrationClass& klass,
                  const SmallBodyElements& object);

// Carries planet slots 1..npla from planet_epoch (JD) to the epoch of slot npla + 1 with
// a drift-kick scheme of steps a little under one day. The small body is not moved.
void carry_planets_to_epoch(SharedBlocks& blocks, Bodies& bodies, double planet_epoch);

}  // namespace dynamics
