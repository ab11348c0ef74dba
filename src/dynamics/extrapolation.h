// The encounter integrator: a planet and the small body moved together over a substep by the
// modified midpoint rule (`modified_midpoint`) with Richardson extrapolation
// (`extrapolation_step`), under the forces of `accelerations`.
#pragma once

#include <array>

#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"

namespace dynamics {

inline constexpr int kEncounterVariables = 12;

// Heliocentric planet position, planet velocity, body position, body velocity.
using EncounterState = std::array<double, kEncounterVariables>;

// The planet of an encounter integration.
struct EncounterPlanet {
  double gm = 0.0;  // GM of the planet (the Earth's and the Moon's together for the barycentre)
  // The planet is the Earth–Moon barycentre and blocks.earth_moon is set: the body
  // feels the Earth and the Moon apart, at their places at start_jd + t years.
  bool earth_and_moon = false;
  double start_jd = 0.0;
};

// Time derivative of the state: the planet feels the central mass only (constants.gm_central); the
// body feels the central mass, the planet (or the Earth and the Moon apart) and the
// indirect term of that planet. distance = planet-body distance. Time t (years) only
// places the Moon.
void accelerations(const SharedBlocks& blocks, const EncounterPlanet& planet, double t, const EncounterState& y,
                   EncounterState& dydt, double& distance);

// 2m midpoint substeps of size h/2 from y0 (covering m h); distance is that of the
// last force evaluation.
void modified_midpoint(const SharedBlocks& blocks, const EncounterPlanet& planet, int m, double h, double t,
                       const EncounterState& y0, EncounterState& out, double& distance);

// One extrapolated substep H: y advanced in place, t advanced by H. Stages halve the
// midpoint step up to extrapolation.max_stage times until the last extrapolation column changes no
// variable by more than tolerance; the last stage is accepted if none does.
void extrapolation_step(const SharedBlocks& blocks, const EncounterPlanet& planet, double H, double tolerance, double& t,
                        EncounterState& y, double& distance);

}  // namespace dynamics
