// The Moon from ERFA's lunar series and the Earth and the Moon about their barycentre.
// Method: the Moon of Meeus (1998), Astronomical Algorithms, 2nd edition (eraMoon98).
#include "sky/earth_moon.h"

#include <erfa.h>
#include <erfam.h>

#include "dynamics/constants.h"
#include "sky/ecliptic_frame.h"

namespace sky {
namespace {

// Share of the Moon's geocentric vector between the Earth's centre and the barycentre.
constexpr double kMoonShare = 1.0 / (1.0 + kEarthMoonMassRatio);

// Half the span of the central difference, days: the Moon turns 0.002 rad in it, so the
// difference is good to 1e-6 of the velocity.
constexpr double kHalfSpanDays = 0.01;

// The Earth and the Moon from the barycentre's position (or velocity) and the Moon's
// geocentric one.
dynamics::EarthAndMoon around(const dynamics::Vec3& centre, const dynamics::Vec3& moon) {
  const dynamics::Vec3 earth = earth_from_barycentre(centre, moon);
  return {earth, {earth[0] + moon[0], earth[1] + moon[1], earth[2] + moon[2]}};
}

}  // namespace

dynamics::Vec3 moon_geocentric(double jd_tdb) {
  double pv[2][3];
  // Split at J2000 so the day fraction keeps its digits.
  eraMoon98(ERFA_DJ00, jd_tdb - ERFA_DJ00, pv);
  return equatorial_to_ecliptic({pv[0][0], pv[0][1], pv[0][2]});
}

dynamics::Vec3 earth_from_barycentre(const dynamics::Vec3& barycentre, const dynamics::Vec3& moon) {
  return {barycentre[0] - kMoonShare * moon[0], barycentre[1] - kMoonShare * moon[1],
          barycentre[2] - kMoonShare * moon[2]};
}

dynamics::Vec3 barycentre_from_earth(const dynamics::Vec3& earth, const dynamics::Vec3& moon) {
  return {earth[0] + kMoonShare * moon[0], earth[1] + kMoonShare * moon[1], earth[2] + kMoonShare * moon[2]};
}

EarthMoonApart::EarthMoonApart(const SkyModel& sky, std::shared_ptr<const MoonTrack> track)
    : sky_(sky), track_(std::move(track)) {}

dynamics::EarthAndMoon EarthMoonApart::places(const dynamics::Vec3& barycentre, double jd) const {
  if (track_ && track_->covers(jd)) return around(barycentre, track_->place(jd));
  return around(barycentre, sky_.moon_at(jd));
}

dynamics::EarthAndMoon EarthMoonApart::velocities(const dynamics::Vec3& barycentre_velocity, double jd) const {
  if (track_ && track_->covers(jd)) return around(barycentre_velocity, track_->velocity(jd));
  const dynamics::Vec3 later = sky_.moon_at(jd + kHalfSpanDays);
  const dynamics::Vec3 earlier = sky_.moon_at(jd - kHalfSpanDays);
  dynamics::Vec3 moon_velocity;
  for (int c = 0; c < 3; ++c) {
    moon_velocity[c] = (later[c] - earlier[c]) / (2.0 * kHalfSpanDays) * dynamics::kDaysPerYear;
  }
  return around(barycentre_velocity, moon_velocity);
}

double EarthMoonApart::moon_share() const { return kMoonShare; }

double EarthMoonApart::moon_radius() const { return kMoonRadiusKm * dynamics::kKmToAu; }

}  // namespace sky
