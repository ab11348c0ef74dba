// The equatorial-to-ecliptic rotation of J2000 by ERFA's rotation routines.
#include "sky/ecliptic_frame.h"

#include <erfa.h>
#include <erfam.h>

namespace sky {
namespace {

struct Rotation {
  double r[3][3];
};

Rotation equator_to_ecliptic_matrix() {
  Rotation m{};
  eraIr(m.r);
  eraRx(kObliquityJ2000Arcsec * ERFA_DAS2R, m.r);
  return m;
}

// Built once; handed out by copy because ERFA takes its matrices as non-const.
Rotation rotation() {
  static const Rotation m = equator_to_ecliptic_matrix();
  return m;
}

}  // namespace

dynamics::Vec3 equatorial_to_ecliptic(const dynamics::Vec3& equatorial) {
  double p[3] = {equatorial[0], equatorial[1], equatorial[2]};
  double rp[3];
  Rotation m = rotation();
  eraRxp(m.r, p, rp);
  return {rp[0], rp[1], rp[2]};
}

dynamics::Vec3 ecliptic_to_equatorial(const dynamics::Vec3& ecliptic) {
  double p[3] = {ecliptic[0], ecliptic[1], ecliptic[2]};
  double trp[3];
  Rotation m = rotation();
  eraTrxp(m.r, p, trp);
  return {trp[0], trp[1], trp[2]};
}

}  // namespace sky
