// The Earth and the Moon as two masses about their barycentre, the body of the Earth's
// planet slot, in a sky that knows the Moon: what the integrator asks of them. The sky
// answers (sky/earth_moon.h); the dynamics sees no sky.
#pragma once

#include "dynamics/vec3.h"

namespace dynamics {

// Planet number of the Earth–Moon barycentre.
inline constexpr int kEarthNumber = 3;
// Number of the Moon in close-approach passes (after the nine planets).
inline constexpr int kMoonNumber = 10;

// Heliocentric places (or velocities) of the Earth's centre and of the Moon.
struct EarthAndMoon {
  Vec3 earth;
  Vec3 moon;
};

class EarthMoonSplit {
 public:
  virtual ~EarthMoonSplit() = default;

  // The Earth's centre and the Moon from the barycentre's position at jd (TDB).
  virtual EarthAndMoon places(const Vec3& barycentre, double jd) const = 0;
  // Their velocities from the barycentre's velocity at jd, AU/yr.
  virtual EarthAndMoon velocities(const Vec3& barycentre_velocity, double jd) const = 0;
  // The Moon's mass over the Earth's and the Moon's.
  virtual double moon_share() const = 0;
  // The Moon's radius, AU.
  virtual double moon_radius() const = 0;
};

}  // namespace dynamics
