// The drift's bounds and the planets' terms of the kick (see terms.h).
#include "survey/batch/terms.h"

#include <cmath>

#include "dynamics/earth_moon_split.h"
#include "dynamics/shared_blocks.h"

namespace survey {

DriftLimits drift_limits(const dynamics::SharedBlocks& blocks) {
  return {blocks.constants.gm_central, blocks.sun_limits, blocks.ejection};
}

HillFactors hill_factors(const dynamics::SharedBlocks& blocks) {
  HillFactors factors{};
  for (int p = 1; p <= blocks.counts.planets; ++p) {
    factors[static_cast<size_t>(p)] = std::pow(blocks.gm[p] / (3.0 * blocks.constants.gm_central), 0.3333333333333);
  }
  return factors;
}

std::vector<KickPlanet> kick_planets(const dynamics::SharedBlocks& blocks, const HillFactors& hill_factors,
                                     const dynamics::PlanetPlace* at_kick, const dynamics::PlanetPlace* at_start,
                                     double dt, double T) {
  std::vector<KickPlanet> planets;
  for (int p = 1; p <= blocks.counts.planets; ++p) {
    const dynamics::PlanetPlace& place = at_kick[p - 1];
    KickPlanet planet{};
    const double mass = blocks.gm[p];
    planet.hill = place.r * hill_factors[static_cast<size_t>(p)];
    planet.velocity_at_kick = place.v;
    planet.at_start = at_start[p - 1].x;
    const double r3 = place.r * place.r * place.r;
    for (int c = 0; c < 3; ++c) planet.indirect[c] = mass * place.x[c] / r3;
    const dynamics::EarthMoonSplit* split = blocks.earth_moon.get();
    if (split != nullptr && blocks.planet_number[blocks.start_slot[p]] == dynamics::kEarthNumber) {
      const dynamics::EarthAndMoon places =
          split->places(place.x, blocks.epoch_jd + (T - dt / 2.0) * dynamics::kDaysPerYear);
      planet.masses = {{{0.0, place.x}, {mass * (1.0 - split->moon_share()), places.earth},
                        {mass * split->moon_share(), places.moon}}};
      planet.mass_count = 3;
    } else {
      planet.masses[0] = {mass, place.x};
      planet.mass_count = 1;
    }
    planets.push_back(planet);
  }
  return planets;
}

}  // namespace survey
