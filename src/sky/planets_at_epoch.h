// The planets of an integration class set up at an object's epoch in a chosen sky.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/planet_setup.h"
#include "sky/sky.h"

namespace sky {

// Sets blocks.epoch_jd to epoch_jd (Julian date, TDB) and fills the planet slots of the
// class with the planets at that epoch, with the run's bookkeeping of
// dynamics::setup_planets; no small body yet. blocks.constants must already hold the
// class's constants (dynamics::store_constants).
// - Sky::table: the table of JD 2451400.5 carried to the epoch, as the dynamics does it.
// - Sky::ephemeris: Mercury to Neptune from the ephemeris series at the epoch, with
//   velocities fitted so the integrated planets follow the series; Pluto as in the table;
//   the Earth and the Moon pull apart (set_earth_and_moon_apart).
void set_up_planets(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies, const dynamics::IntegrationClass& klass,
                    double epoch_jd, Sky sky);

}  // namespace sky
