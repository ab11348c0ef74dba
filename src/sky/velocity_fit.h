// Starting velocities of the series planets fitted to the series: the velocity a series
// gives is not the one with which the model's planets, under the model's masses and
// forces, follow the series' positions.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/planet_setup.h"

namespace sky {

// The planets are fitted to their series positions at this many sample dates on each
// side of the epoch, evenly spread over kFitSpanDays before and after it.
inline constexpr int kFitSamplesPerSide = 6;
inline constexpr double kFitSpanDays = 365.25;
// Gauss–Newton iterations of the fit.
inline constexpr int kFitIterations = 2;

// Changes the velocities of the class's planets that have series (Mercury to Neptune)
// so that, carried by dynamics::carry_planets_to_epoch from blocks.epoch_jd, each
// planet's positions at the sample dates are nearest, in least squares, to its series
// positions. Positions stay as set; planet slots must hold the series states at
// blocks.epoch_jd.
void fit_planet_velocities(const dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies,
                           const dynamics::IntegrationClass& klass);

}  // namespace sky
