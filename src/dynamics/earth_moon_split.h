// The Earth and the Moon as two masses about their barycentre, the body of the Earth's
// planet slot, when the sky gives the Moon's place.
#pragma once

#include <memory>

#include "dynamics/moon_track.h"
#include "dynamics/vec3.h"

namespace dynamics {

// Planet number of the Earth–Moon barycentre.
inline constexpr int kEarthNumber = 3;
// Number of the Moon in close-approach passes (after the nine planets).
inline constexpr int kMoonNumber = 10;

struct EarthMoonSplit {
  // The Moon's geocentric position at a Julian date (TDB), AU, ecliptic frame of J2000;
  // none: the barycentre pulls as one mass.
  MoonPlace moon_geocentric = nullptr;
  // The same sampled over a span, used inside it (shared by the runs of one set-up).
  std::shared_ptr<const MoonTrack> track;
  double moon_share = 0.0;              // the Moon's mass over the Earth's and the Moon's
  double moon_radius = 0.0;             // AU
  bool active() const { return moon_geocentric != nullptr; }
};

// Heliocentric places (or velocities) of the Earth's centre and of the Moon.
struct EarthAndMoon {
  Vec3 earth;
  Vec3 moon;
};

// The Earth's centre and the Moon from the barycentre's position at jd (split active).
EarthAndMoon earth_and_moon(const EarthMoonSplit& split, const Vec3& barycentre, double jd);

// Their velocities from the barycentre's velocity at jd (AU/yr); the Moon's geocentric
// velocity by a central difference of its place.
EarthAndMoon earth_and_moon_velocities(const EarthMoonSplit& split, const Vec3& barycentre_velocity, double jd);

}  // namespace dynamics
