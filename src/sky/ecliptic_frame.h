// The turn between the equatorial frame of J2000, in which the ephemeris series give
// their vectors, and the ecliptic frame of J2000 of the catalogue's elements and of the
// integration: a rotation about the equinox by the obliquity 84381.448".
// Method: the obliquity of Lieske et al. (1977), precession quantities of the IAU (1976) system.
#pragma once

#include "dynamics/vec3.h"

namespace sky {

// Obliquity of the ecliptic of J2000, arcseconds.
inline constexpr double kObliquityJ2000Arcsec = 84381.448;

dynamics::Vec3 equatorial_to_ecliptic(const dynamics::Vec3& equatorial);

dynamics::Vec3 ecliptic_to_equatorial(const dynamics::Vec3& ecliptic);

}  // namespace sky
