// The ephemeris sky (docs/sky.md): Mercury to Neptune from ERFA's series at the epoch,
// with velocities fitted so that the integrated planets follow the series, Pluto as in
// the table; the Moon from the lunar series, the Earth and the Moon pulling apart; an
// object's a from its mean motion.
#pragma once

#include "sky/sky_model.h"

namespace sky {

// Semimajor axis, AU, of an orbit of mean motion n (degrees per day) about the Sun
// alone: a = (k^2 / n^2)^(1/3), k the Gaussian constant.
double semimajor_axis_from_mean_motion(double mean_motion_deg_per_day);

class EphemerisSky final : public SkyModel {
 public:
  void set_up_planets(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies,
                      const dynamics::IntegrationClass& klass, double epoch_jd) const override;
  bool has_moon() const override { return true; }
  dynamics::Vec3 moon_at(double jd_tdb) const override;
  // The elements as written, but a from the record's mean motion, which carries more
  // digits than its rounded a field, unless the record has none (blank, or typed by hand).
  dynamics::OrbitalElements object_elements(const dynamics::OrbitalElements& elements,
                                            double mean_motion_deg_per_day) const override;
};

}  // namespace sky
