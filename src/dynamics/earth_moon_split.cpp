// The Earth's centre and the Moon about their barycentre.
#include "dynamics/earth_moon_split.h"

#include "dynamics/constants.h"

namespace dynamics {
namespace {

// Half the span of the central difference, days: the Moon turns 0.002 rad in it, so the
// difference is good to 1e-6 of the velocity.
constexpr double kHalfSpanDays = 0.01;

EarthAndMoon around(const EarthMoonSplit& split, const Vec3& centre, const Vec3& moon) {
  EarthAndMoon result;
  for (int c = 0; c < 3; ++c) {
    result.earth[c] = centre[c] - split.moon_share * moon[c];
    result.moon[c] = result.earth[c] + moon[c];
  }
  return result;
}

}  // namespace

EarthAndMoon earth_and_moon(const EarthMoonSplit& split, const Vec3& barycentre, double jd) {
  if (split.track && split.track->covers(jd)) return around(split, barycentre, split.track->place(jd));
  return around(split, barycentre, split.moon_geocentric(jd));
}

EarthAndMoon earth_and_moon_velocities(const EarthMoonSplit& split, const Vec3& barycentre_velocity, double jd) {
  if (split.track && split.track->covers(jd)) return around(split, barycentre_velocity, split.track->velocity(jd));
  const Vec3 later = split.moon_geocentric(jd + kHalfSpanDays);
  const Vec3 earlier = split.moon_geocentric(jd - kHalfSpanDays);
  Vec3 moon_velocity;
  for (int c = 0; c < 3; ++c) moon_velocity[c] = (later[c] - earlier[c]) / (2.0 * kHalfSpanDays) * kDaysPerYear;
  return around(split, barycentre_velocity, moon_velocity);
}

}  // namespace dynamics
