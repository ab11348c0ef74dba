// The ephemeris sky.
#include "sky/ephemeris_sky.h"

#include <cmath>
#include <memory>

#include "dynamics/constants.h"
#include "sky/earth_moon.h"
#include "sky/series_planets.h"
#include "sky/table_sky.h"
#include "sky/velocity_fit.h"

namespace sky {
namespace {

// The Gaussian gravitational constant, radians per day.
constexpr double kGaussK = 0.01720209895;

}  // namespace

double semimajor_axis_from_mean_motion(double mean_motion_deg_per_day) {
  const double n = mean_motion_deg_per_day * dynamics::kDegToRad;
  return std::cbrt(kGaussK * kGaussK / (n * n));
}

void EphemerisSky::set_up_planets(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies,
                                  const dynamics::IntegrationClass& klass, double epoch_jd) const {
  set_up_table_planets(blocks, bodies, klass, epoch_jd);
  for (int planet = klass.first_planet; planet <= kLastSeriesPlanet; ++planet) {
    const int slot = dynamics::planet_slot(klass, planet);
    const PlanetState state = series_state(planet, epoch_jd);
    bodies.x[slot] = state.x;
    bodies.v[slot] = state.v;
    bodies.r[slot] = dynamics::norm(state.x);
    bodies.epoch[slot] = epoch_jd;
  }
  fit_planet_velocities(blocks, bodies, klass);
  if (klass.first_planet > dynamics::kEarthNumber) return;
  blocks.earth_moon = std::make_shared<const EarthMoonApart>(*this);
  bodies.radius[dynamics::planet_slot(klass, dynamics::kEarthNumber)] = kEarthEquatorialRadiusKm * dynamics::kKmToAu;
}

dynamics::Vec3 EphemerisSky::moon_at(double jd_tdb) const { return moon_geocentric(jd_tdb); }

dynamics::OrbitalElements EphemerisSky::object_elements(const dynamics::OrbitalElements& elements,
                                                        double mean_motion_deg_per_day) const {
  dynamics::OrbitalElements chosen = elements;
  if (mean_motion_deg_per_day > 0.0) chosen.a = semimajor_axis_from_mean_motion(mean_motion_deg_per_day);
  return chosen;
}

}  // namespace sky
