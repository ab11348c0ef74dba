// The planets' drift from the series.
#include "sky/series_drift.h"

#include <algorithm>

#include "dynamics/planets_to_epoch.h"
#include "dynamics/shared_blocks.h"

namespace sky {

std::array<double, kLastSeriesPlanet + 1> series_drift_km(const dynamics::SharedBlocks& blocks,
                                                          const dynamics::Bodies& bodies,
                                                          const dynamics::IntegrationClass& klass, double years) {
  std::array<double, kLastSeriesPlanet + 1> largest{};
  const double epoch = blocks.epoch_jd;
  for (const double direction : {1.0, -1.0}) {
    dynamics::SharedBlocks moving_blocks = blocks;
    dynamics::Bodies moving = bodies;
    double from = epoch;
    for (double days = kDriftSpacingDays; days <= years * dynamics::kDaysPerYear; days += kDriftSpacingDays) {
      moving_blocks.epoch_jd = epoch + direction * days;
      dynamics::carry_planets_to_epoch(moving_blocks, moving, from);
      from = moving_blocks.epoch_jd;
      for (int planet = klass.first_planet; planet <= kLastSeriesPlanet; ++planet) {
        const dynamics::Vec3 off = dynamics::diff(moving.x[dynamics::planet_slot(klass, planet)], series_state(planet, from).x);
        largest[planet] = std::max(largest[planet], dynamics::norm(off) / dynamics::kKmToAu);
      }
    }
  }
  return largest;
}

}  // namespace sky
