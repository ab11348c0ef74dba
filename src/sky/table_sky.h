// The table sky: the built-in planet table of JD 2451400.5 carried to the epoch as the
// dynamics carries it, the objects' elements as written, the Earth and the Moon one mass.
#pragma once

#include "sky/sky_model.h"

namespace sky {

// The planets of the table at epoch_jd (SkyModel::set_up_planets): the ephemeris sky
// starts from them too.
void set_up_table_planets(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies,
                          const dynamics::IntegrationClass& klass, double epoch_jd);

class TableSky final : public SkyModel {
 public:
  void set_up_planets(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies,
                      const dynamics::IntegrationClass& klass, double epoch_jd) const override;
  bool has_moon() const override { return false; }
  dynamics::Vec3 moon_at(double jd_tdb) const override;
  dynamics::OrbitalElements object_elements(const dynamics::OrbitalElements& elements,
                                            double mean_motion_deg_per_day) const override;
};

}  // namespace sky
