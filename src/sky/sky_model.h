// A sky: where the planets are at an epoch, where the Moon is, and which elements a
// catalogue object starts with. Two skies implement it (table_sky.h, ephemeris_sky.h);
// sky.h turns the command line's name of a sky into one of them.
#pragma once

#include "dynamics/bodies.h"
#include "dynamics/orbital_elements.h"
#include "dynamics/planet_setup.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/vec3.h"

namespace sky {

class SkyModel {
 public:
  virtual ~SkyModel() = default;

  // Sets blocks.epoch_jd to epoch_jd (Julian date, TDB) and fills the planet slots of the
  // class with the planets at that epoch, with the run's bookkeeping of
  // dynamics::setup_planets; no small body yet. blocks.constants must already hold the
  // class's constants (dynamics::store_constants). A sky that has the Moon makes the Earth
  // and the Moon pull apart (blocks.earth_moon) when the class holds the Earth.
  virtual void set_up_planets(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies,
                              const dynamics::IntegrationClass& klass, double epoch_jd) const = 0;

  // Whether the sky gives the Moon apart from the Earth.
  virtual bool has_moon() const = 0;

  // The Moon's geocentric position at jd_tdb, AU, in the ecliptic frame of J2000. A sky
  // without the Moon keeps it at the Earth's centre: the barycentre is then the Earth.
  virtual dynamics::Vec3 moon_at(double jd_tdb) const = 0;

  // The elements a catalogue record starts with in this sky, from its elements as written
  // and its mean motion (degrees per day; 0 or less when it has none).
  virtual dynamics::OrbitalElements object_elements(const dynamics::OrbitalElements& elements,
                                                    double mean_motion_deg_per_day) const = 0;
};

}  // namespace sky
