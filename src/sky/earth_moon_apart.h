// The ephemeris sky's Earth and Moon: two masses about the barycentre of the Earth's slot,
// the Earth's collisions at its equatorial radius.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/planet_setup.h"

namespace sky {

inline constexpr double kEarthEquatorialRadiusKm = 6378.137;
inline constexpr double kMoonRadiusKm = 1737.4;

// Makes the Earth and the Moon pull the small bodies apart, at their places from the
// barycentre and the Moon's series (blocks.earth_moon), and sets the Earth's collision
// radius; the class must hold the Earth.
void set_earth_and_moon_apart(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies,
                              const dynamics::IntegrationClass& klass);

}  // namespace sky
