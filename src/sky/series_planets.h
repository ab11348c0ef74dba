// The planets of ERFA's ephemeris series: heliocentric states in the ecliptic frame of
// J2000, in the integration's units.
#pragma once

#include "dynamics/vec3.h"

namespace sky {

struct PlanetState {
  dynamics::Vec3 x;  // heliocentric position, AU
  dynamics::Vec3 v;  // heliocentric velocity, AU/yr
};

// Highest planet number the series give: Mercury (1) to Neptune (8); Pluto has none.
inline constexpr int kLastSeriesPlanet = 8;

// State of planet 1..kLastSeriesPlanet at jd_tdb (Julian date, TDB). The Earth's row (3)
// is the Earth–Moon barycentre, made of the Earth's series and the Moon's; the others
// come from the planetary series.
PlanetState series_state(int planet, double jd_tdb);

}  // namespace sky
