// How far the model's planets, carried from their set-up, stray from the ephemeris
// series: the measure of the velocity fit (docs/sky.md).
#pragma once

#include <array>

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/planet_setup.h"
#include "sky/series_planets.h"

namespace sky {

// Days between the dates at which the drift is looked at.
inline constexpr double kDriftSpacingDays = 10.0;

// Largest distance, km, of each series planet of the class (entry = planet number; 0 for
// the others) from its series within `years` of blocks.epoch_jd on either side, looked at
// every kDriftSpacingDays, the planets carried from `bodies` by
// dynamics::carry_planets_to_epoch.
std::array<double, kLastSeriesPlanet + 1> series_drift_km(const dynamics::SharedBlocks& blocks,
                                                          const dynamics::Bodies& bodies,
                                                          const dynamics::IntegrationClass& klass, double years);

}  // namespace sky
