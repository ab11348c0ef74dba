// The table sky.
#include "sky/table_sky.h"

#include "dynamics/planets_to_epoch.h"

namespace sky {

void set_up_table_planets(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies,
                          const dynamics::IntegrationClass& klass, double epoch_jd) {
  blocks.epoch_jd = epoch_jd;
  dynamics::setup_planets(blocks, bodies, klass);
  dynamics::carry_planets_to_epoch(blocks, bodies, dynamics::kPlanetEpochJd);
}

void TableSky::set_up_planets(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies,
                              const dynamics::IntegrationClass& klass, double epoch_jd) const {
  set_up_table_planets(blocks, bodies, klass, epoch_jd);
}

dynamics::Vec3 TableSky::moon_at(double) const { return {0.0, 0.0, 0.0}; }

dynamics::OrbitalElements TableSky::object_elements(const dynamics::OrbitalElements& elements, double) const {
  return elements;
}

}  // namespace sky
