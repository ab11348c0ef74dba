// What every lane of a batch shares in a step: the drift's bounds and the planets' terms
// of the kick, computed once per leg or per step in scalar code.
#pragma once

#include <array>
#include <vector>

#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/step.h"
#include "dynamics/vec3.h"

namespace survey {

// The central mass and the bounds beyond which drift_bodies takes a body out of the run.
struct DriftLimits {
  double gm_central;
  dynamics::SunLimits sun;
  dynamics::EjectionLimits ejection;
};

DriftLimits drift_limits(const dynamics::SharedBlocks& blocks);

// A mass pulling every lane in the kick: its GM and its place at the kick.
struct PullingMass {
  double gm;
  dynamics::Vec3 place;
};

// What a planet brings to the kick of one step, the same for every lane.
struct KickPlanet {
  double hill;  // Hill radius at the kick, AU
  dynamics::Vec3 velocity_at_kick, at_start;
  dynamics::Vec3 indirect;  // m x / r^3, the pull of the planet on the Sun
  // What pulls, in this order: the planet at its slot's place at the kick (the centre of
  // its encounter zone) with its GM, or with none when the sky holds the Earth and the
  // Moon apart; then the Earth and the Moon at their places at the kick (the sky's split).
  std::array<PullingMass, 3> masses;
  size_t mass_count;
};

// Per planet slot: (m / 3 gm_central)^(1/3), the Hill radius over the distance, as the
// kick of a run computes it once.
using HillFactors = std::array<double, dynamics::kMaxBodies + 1>;
HillFactors hill_factors(const dynamics::SharedBlocks& blocks);

// The planets' terms of one step of signed length dt ending at the clock T (years), the
// planets where the table has them at the kick and at the step's start.
std::vector<KickPlanet> kick_planets(const dynamics::SharedBlocks& blocks, const HillFactors& hill_factors,
                                     const dynamics::PlanetPlace* at_kick, const dynamics::PlanetPlace* at_start,
                                     double dt, double T);

}  // namespace survey
