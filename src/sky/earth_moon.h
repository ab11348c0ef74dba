// The Earth and the Moon, in one place: their mass ratio and radii, the Moon's place about
// the Earth from the lunar series, the Earth's centre from the Earth–Moon barycentre, and
// the two as masses apart about the barycentre of the Earth's slot (the dynamics' split),
// the Moon taken from a sky, sampled over a span when a track is given.
#pragma once

#include <memory>

#include "dynamics/earth_moon_split.h"
#include "dynamics/vec3.h"
#include "sky/moon_track.h"
#include "sky/sky_model.h"

namespace sky {

// Mass of the Earth over the mass of the Moon.
inline constexpr double kEarthMoonMassRatio = 81.30056;
inline constexpr double kEarthEquatorialRadiusKm = 6378.137;
inline constexpr double kMoonRadiusKm = 1737.4;

// The Moon's geocentric position at jd_tdb (Julian date, TDB) from ERFA's lunar series,
// AU, in the ecliptic frame of J2000.
dynamics::Vec3 moon_geocentric(double jd_tdb);

// The Earth's centre from the Earth–Moon barycentre and the Moon's geocentric position
// (same frame and origin): r_Earth = r_EMB - r_Moon / (1 + ratio).
dynamics::Vec3 earth_from_barycentre(const dynamics::Vec3& barycentre, const dynamics::Vec3& moon_geocentric);

// The barycentre from the Earth's centre and the Moon's geocentric position.
dynamics::Vec3 barycentre_from_earth(const dynamics::Vec3& earth, const dynamics::Vec3& moon_geocentric);

// The Earth and the Moon apart, the Moon where the sky has it (sky.moon_at), or inside the
// span of `track` where the track has it. The sky must outlive the split.
class EarthMoonApart final : public dynamics::EarthMoonSplit {
 public:
  explicit EarthMoonApart(const SkyModel& sky, std::shared_ptr<const MoonTrack> track = nullptr);

  dynamics::EarthAndMoon places(const dynamics::Vec3& barycentre, double jd) const override;
  // The Moon's geocentric velocity from the track, else by a central difference of its place.
  dynamics::EarthAndMoon velocities(const dynamics::Vec3& barycentre_velocity, double jd) const override;
  double moon_share() const override;
  double moon_radius() const override;

 private:
  const SkyModel& sky_;
  std::shared_ptr<const MoonTrack> track_;
};

}  // namespace sky
