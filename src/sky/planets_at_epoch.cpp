// Set-up of the planets in the table sky and the ephemeris sky.
#include "sky/planets_at_epoch.h"

#include "dynamics/planets_to_epoch.h"
#include "dynamics/shared_blocks.h"
#include "sky/earth_moon_apart.h"
#include "sky/series_planets.h"
#include "sky/velocity_fit.h"

namespace sky {

void set_up_planets(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies, const dynamics::IntegrationClass& klass,
                    double epoch_jd, Sky sky) {
  blocks.epoch_jd = epoch_jd;
  dynamics::setup_planets(blocks, bodies, klass);
  dynamics::carry_planets_to_epoch(blocks, bodies, dynamics::kPlanetEpochJd);
  if (sky == Sky::table) return;
  for (int planet = klass.first_planet; planet <= kLastSeriesPlanet; ++planet) {
    const int slot = dynamics::planet_slot(klass, planet);
    const PlanetState state = series_state(planet, epoch_jd);
    bodies.x[slot] = state.x;
    bodies.v[slot] = state.v;
    bodies.r[slot] = dynamics::norm(state.x);
    bodies.epoch[slot] = epoch_jd;
  }
  fit_planet_velocities(blocks, bodies, klass);
  if (klass.first_planet <= dynamics::kEarthNumber) set_earth_and_moon_apart(blocks, bodies, klass);
}

}  // namespace sky
