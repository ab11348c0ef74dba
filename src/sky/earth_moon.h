// The Earth and the Moon: their mass ratio, the Moon's place about the Earth from the
// lunar series, and the Earth's centre from the Earth–Moon barycentre.
#pragma once

#include "dynamics/vec3.h"

namespace sky {

// Mass of the Earth over the mass of the Moon.
inline constexpr double kEarthMoonMassRatio = 81.30056;

// The Moon's geocentric position at jd_tdb (Julian date, TDB) from ERFA's lunar series,
// AU, in the ecliptic frame of J2000.
dynamics::Vec3 moon_geocentric(double jd_tdb);

// The Earth's centre from the Earth–Moon barycentre and the Moon's geocentric position
// (same frame and origin): r_Earth = r_EMB - r_Moon / (1 + ratio).
dynamics::Vec3 earth_from_barycentre(const dynamics::Vec3& barycentre, const dynamics::Vec3& moon_geocentric);

// The barycentre from the Earth's centre and the Moon's geocentric position.
dynamics::Vec3 barycentre_from_earth(const dynamics::Vec3& earth, const dynamics::Vec3& moon_geocentric);

}  // namespace sky
