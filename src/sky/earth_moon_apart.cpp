// The Earth and the Moon apart in the ephemeris sky.
#include "sky/earth_moon_apart.h"

#include "sky/earth_moon.h"
#include "dynamics/shared_blocks.h"

namespace sky {

void set_earth_and_moon_apart(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies,
                              const dynamics::IntegrationClass& klass) {
  dynamics::EarthMoonSplit& split = blocks.earth_moon;
  split.moon_geocentric = &moon_geocentric;
  split.moon_share = 1.0 / (1.0 + kEarthMoonMassRatio);
  split.moon_radius = kMoonRadiusKm * dynamics::kKmToAu;
  bodies.radius[dynamics::planet_slot(klass, dynamics::kEarthNumber)] = kEarthEquatorialRadiusKm * dynamics::kKmToAu;
}

}  // namespace sky
