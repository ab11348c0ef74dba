// The Moon from ERFA's lunar series and the Earth–Moon barycentre.
// Method: the Moon of Meeus (1998), Astronomical Algorithms, 2nd edition (eraMoon98).
#include "sky/earth_moon.h"

#include <erfa.h>
#include <erfam.h>

#include "sky/ecliptic_frame.h"

namespace sky {
namespace {

// Share of the Moon's geocentric vector between the Earth's centre and the barycentre.
constexpr double kMoonShare = 1.0 / (1.0 + kEarthMoonMassRatio);

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

}  // namespace sky
