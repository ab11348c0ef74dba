// Heliocentric planet states from eraEpv00, eraMoon98 and eraPlan94.
// Method: Simon et al. (1994), mean elements for the Moon and the planets (eraPlan94); Moisson &
// Bretagnon (2001), Analytical planetary solution VSOP2000 (eraEpv00).
#include "sky/series_planets.h"

#include <erfa.h>
#include <erfam.h>

#include "dynamics/constants.h"
#include "sky/earth_moon.h"
#include "sky/ecliptic_frame.h"

namespace sky {
namespace {

constexpr int kEarth = 3;

dynamics::Vec3 position_of(const double pv[2][3]) { return {pv[0][0], pv[0][1], pv[0][2]}; }

// Velocity of a series state, AU/day, in AU/yr.
dynamics::Vec3 velocity_of(const double pv[2][3]) {
  const double y = dynamics::kDaysPerYear;
  return {pv[1][0] * y, pv[1][1] * y, pv[1][2] * y};
}

PlanetState ecliptic_state(const dynamics::Vec3& x, const dynamics::Vec3& v) {
  return {equatorial_to_ecliptic(x), equatorial_to_ecliptic(v)};
}

// The Earth–Moon barycentre: the Earth's heliocentric state and the Moon's geocentric one.
// eraPlan94's own barycentre is never used: started from it, the barycentre drifts by
// hundreds of thousands of km within a few decades.
PlanetState barycentre_state(double jd_tdb) {
  double earth_heliocentric[2][3];
  double earth_barycentric[2][3];
  double moon[2][3];
  // Split at J2000 so the day fraction keeps its digits.
  eraEpv00(ERFA_DJ00, jd_tdb - ERFA_DJ00, earth_heliocentric, earth_barycentric);
  eraMoon98(ERFA_DJ00, jd_tdb - ERFA_DJ00, moon);
  return ecliptic_state(barycentre_from_earth(position_of(earth_heliocentric), position_of(moon)),
                        barycentre_from_earth(velocity_of(earth_heliocentric), velocity_of(moon)));
}

}  // namespace

PlanetState series_state(int planet, double jd_tdb) {
  if (planet == kEarth) return barycentre_state(jd_tdb);
  double pv[2][3];
  eraPlan94(ERFA_DJ00, jd_tdb - ERFA_DJ00, planet, pv);
  return ecliptic_state(position_of(pv), velocity_of(pv));
}

}  // namespace sky
