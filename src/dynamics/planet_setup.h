// The bodies of a run: which planets take part, the central mass and the step (the
// integration class), the planets' initial states (dynamics/planets_to_epoch.h then
// carries them to the run's epoch) and the small bodies added after them.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/orbital_elements.h"

namespace dynamics {

struct IntegrationClass {
  int first_planet = 1;       // planets first_planet..9 are bodies of the run
  double central_mass = 1.0;  // solar masses: the Sun plus the planets below first_planet
  double step = 0.005;        // basic integration step, years
};

// Class of an object of perihelion distance q (AU) for reference planet ipl (1..9).
IntegrationClass integration_class(double q, int ipl);

// Slot of planet number `planet` (first_planet..9) when the run is set up: planets fill
// the slots from 1 in increasing planet number.
int planet_slot(const IntegrationClass& klass, int planet);

// Slot of the first small body when the run is set up: the one after the last planet.
// A single run's object keeps this slot until a removal takes it out; the object is gone
// once the bodies of the run are fewer than this.
int object_slot(const IntegrationClass& klass);

// Fills slots 1.. with planets first_planet..9 at their table states of JD 2451400.5 and
// starts the run's bookkeeping: counts (planets only, no small body yet), gm, radius,
// planet_number, start_slot. blocks.constants must already hold the run's constants
// (store_constants with the class's central_mass).
void setup_planets(SharedBlocks& blocks, Bodies& bodies, const IntegrationClass& klass);

// Puts a small body of the given elements, at its epoch blocks.epoch_jd, into the first
// free slot (counts.total + 1, at most kMaxBodies) and returns that slot. Set up the
// planets first.
int add_small_body(SharedBlocks& blocks, Bodies& bodies, const OrbitalElements& object);

}  // namespace dynamics
