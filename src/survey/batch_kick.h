// The kick of a batch of objects by the planets side by side: the cheap encounter-zone
// test and the planets' pulls in vector code, with one reciprocal per object-planet pair.
#pragma once

#include <array>
#include <vector>

#include "dynamics/constants.h"
#include "dynamics/step.h"
#include "dynamics/vec3.h"
#include "survey/object_batch.h"

namespace survey {

// What a planet brings to the kick of one step, the same for every lane.
struct KickPlanet {
  double mass;  // GM
  double hill;  // Hill radius at the kick, AU
  dynamics::Vec3 at_kick, velocity_at_kick, at_start;
  dynamics::Vec3 indirect;  // m x / r^3, the pull of the planet on the Sun
  // The barycentre pulling as the Earth and the Moon apart, at their places at the kick.
  bool earth_and_moon;
  dynamics::Vec3 earth, moon;
  double earth_gm, moon_gm;
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

// Adds to the velocity of every lane not out the pulls of the planets, in slot order,
// over dt. A lane that is not surely outside some planet's encounter zone (the squared
// test of dynamics::surely_outside_encounter_zone, positions at the kick and at the start)
// is marked out: its step is the scalar path's.
void kick_batch(const std::vector<KickPlanet>& planets, double dt, ObjectBatch& batch);

}  // namespace survey
